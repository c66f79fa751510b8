#include "inspect/midi_record_reader.h"

#include "frontend/messages.h"
#include "packers/byte_order.h"
#include "packers/midi_song_record.h"

namespace recpack::inspect {

Inspection inspectMidiRecord(InputFile& record, std::uint64_t fileSize)
{
    namespace fault = messages::fault;
    // The header, the longest name that dataOffset can point past, and its terminator.
    const std::string head = readUpTo(record, sizeof(MidiSongHeader) + kMaxSongNameBytes + 1);
    if (head.size() < sizeof(MidiSongHeader)) {
        recordFault(record, fault::tooShort("MIDI song record", head.size(), sizeof(MidiSongHeader)));
    }
    const auto header = recordFrom<MidiSongHeader>(head.data());
    if (header.signature != kMidiSongSignature) {
        recordFault(record, fault::noSignature());
    }
    if (header.reserved != 0) {
        recordFault(record, fault::notZero("reserved byte", 5, header.reserved));
    }
    const std::size_t terminator = head.find('\0', sizeof(MidiSongHeader));
    if (terminator == std::string::npos) {
        recordFault(record, fault::unterminated("song name", sizeof(MidiSongHeader)));
    }
    if (header.dataOffset != terminator + 1) {
        recordFault(record, fault::dataOffsetMismatch(header.dataOffset, terminator + 1));
    }

    Node report = Node::object();
    report.add("type", Node::text("midi"));
    report.add("signature", Node::text(std::string_view(head).substr(0, 4)));
    report.add("dataOffset", Node::number(header.dataOffset));
    report.add("name", Node::text(std::string_view(head).substr(6, terminator - 6)));
    addContent(report, header.dataOffset, fileSize);
    return {std::move(report), header.dataOffset};
}

}  // namespace recpack::inspect
