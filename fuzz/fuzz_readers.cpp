// Arbitrary bytes through both readers: whatever a file holds, saving it unchanged writes its
// text again, and saving it with values changed (every key the header knows, every text as a
// map maker may type it, whether the file held one or not, the guide's titles) gives a file
// that reads back with those values and nothing else changed; and a refusal comes only with
// its reason.
#include "Check.h"
#include "core/campaign/CampaignReader.h"
#include "core/mission/HeaderKeys.h"
#include "core/mission/MissionReader.h"
#include "core/text/FileKind.h"

#include <string_view>

using namespace vornask;

namespace {

// Values as the pages give them, so that they read back as they are: texts with markup, a blank
// first line, a line the pages gave a space as it would start a section.
constexpr const char* kNumber = "42";
constexpr const char* kText = "Edited text";
constexpr const char* kStory = "\r\n<i>First</i> line<br>\r\n [Chapter]\r\n<h2>Duel!\r\n~ylast~w";
constexpr const char* kMessage = "<p>Won\r\n\r\n-for good</i>";

void ChangeMission(MissionSettings& s) {
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
    s.entryBox = {"<b>A</b> quote<br>", "-An author", kStory};
    s.events.Succeeded = {kText, kMessage};
    s.events.Failed = {"", kStory};
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        if (s.opponent(side).enabled)
            s.events.of(side, OpponentEvent::TempleDead) = {kText, kMessage};
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
    ChangeMission(changed);
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
    changed.CampaignHeader = kText;
    changed.CampaignText = {"", "<i>Second</i> line", " [Chapter]", "", "last"};
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
