#include "frontend/module_dispatch.h"

#include "frontend/fatal_error.h"
#include "frontend/messages.h"
#include "frontend/option_names.h"
#include "frontend/option_table.h"
#include "packers/midi_packer.h"
#include "packers/tips_packer.h"
#include "packers/wave_packer.h"

#include <string>

namespace recpack {

void runModule()
{
    if (!hasOption(options::type)) {
        fatalError(messages::typeRequired());
    }
    const std::string module = optionValue(options::type);
    if (module == modules::midi) {
        packMidi();
    } else if (module == modules::wave) {
        packWave();
    } else if (module == modules::tips) {
        packTips();
    } else {
        fatalError(messages::unknownType(module));
    }
}

void requireOption(std::string_view name)
{
    if (!hasOption(name)) {
        fatalError(messages::optionRequired(name));
    }
}

}  // namespace recpack
