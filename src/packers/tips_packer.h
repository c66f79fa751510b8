// The tips module (-type tips): wraps a content file into a tips page record file.
#pragma once

namespace recpack {

void checkTipsOptions();
void packTips();

}  // namespace recpack
