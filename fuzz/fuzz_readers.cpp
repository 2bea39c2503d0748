// Arbitrary bytes through both readers: whatever a file holds, saving it unchanged writes its
// text again, and saving it with values changed (every key the header knows, the texts that
// stand in the file, the guide's titles) gives a file that reads back with those values and
// nothing else changed; and a refusal comes only with its reason.
#include "Check.h"
#include "core/campaign/CampaignReader.h"
#include "core/mission/HeaderKeys.h"
#include "core/mission/MissionReader.h"
#include "core/text/FileKind.h"

#include <string_view>

using namespace vornask;

namespace {

// Values as the pages give them, so that they read back as they are.
constexpr const char* kNumber = "42";
constexpr const char* kText = "Edited text";

void ChangeMission(const MissionDocument& document, MissionSettings& s) {
    for (const HeaderKey& key : HeaderKeys()) {
        if (!key.field || (key.side != 0 && !s.opponent(key.side).enabled))
            continue;
        std::string& value = *key.field(s, key.side);
        switch (key.kind) {
        case KeyValueKind::MissionNumber:
        case KeyValueKind::Money:
            value = kNumber;
            break;
        case KeyValueKind::Flag:
            value = value == "1" ? "0" : "1";
            break;
        case KeyValueKind::Tech:
            value = "outpost;";
            break;
        case KeyValueKind::Allies:
            value = key.side == 2 ? "1;" : "2;";
            break;
        case KeyValueKind::Ability:
            value = "!BUILD_DAIS;";
            break;
        case KeyValueKind::Text:
        case KeyValueKind::Colour:
            value = kText;
        }
    }
    // Texts only where they stand: where a file has none, it may hold lines a new one would
    // run into.
    if (document.entryBox.story)
        s.entryBox.BackgroundStoryBox = "First line\r\nsecond line";
    if (document.succeeded.text && document.succeeded.heading) {
        s.events.Succeeded = {kText, "Won\r\nindeed"};
    }
    if (document.failed.text)
        s.events.Failed.text = kText;
}

void MissionReadsBackAsChanged(std::string_view bytes) {
    const MissionFileReading read = ReadMissionFile(bytes);
    if (read.report.refusal) {
        Check(read.report.refusal->reason != RefusalReason::NoOverviewSection);
        return;
    }
    Check(DetectFileKind(bytes) != FileKind::Unknown);
    Check(read.report.notKept.empty());
    Check(SaveIntoDocument(read.document, read.settings) == read.document.text);
    MissionSettings changed = read.settings;
    ChangeMission(read.document, changed);
    const MissionFileReading again =
        ReadMissionFile(SaveIntoDocument(read.document, changed).Bytes());
    Check(!again.report.refusal && again.settings == changed);
}

void CampaignReadsBackAsChanged(std::string_view bytes) {
    const CampaignFileReading read = ReadCampaignFile(bytes);
    if (read.report.refusal) {
        Check(read.report.refusal->reason != RefusalReason::NoHeaderSection);
        return;
    }
    Check(read.report.notKept.empty());
    Check(SaveIntoDocument(read.document, read.settings) == read.document.text);
    CampaignSettings changed = read.settings;
    changed.title = kText;
    if (read.document.intro.heading)
        changed.CampaignHeader = kText;
    if (read.document.intro.text)
        changed.CampaignText = {"First line", "", "third line"};
    for (CampaignMission& row : changed.missions)
        if (row.startsMission) // another row keeps its line as written
            row.title = kText;
    const CampaignFileReading again =
        ReadCampaignFile(SaveIntoDocument(read.document, changed).Bytes());
    Check(!again.report.refusal && again.settings == changed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    MissionReadsBackAsChanged(bytes);
    CampaignReadsBackAsChanged(bytes);
    return 0;
}
