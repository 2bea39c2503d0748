// Arbitrary bytes through both readers: whatever a file holds, saving it unchanged writes its
// text again; what the pages were given, written as a new file, reads back the same; and a
// refusal comes only with its reason.
#include "Check.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionReader.h"
#include "core/mission/MissionWriter.h"
#include "core/text/FileKind.h"
#include "core/text/TextLines.h"

#include <string_view>

using namespace vornask;

namespace {

void MissionReadsTheSameOnceSaved(std::string_view bytes) {
    const MissionFileReading read = ReadMissionFile(bytes);
    if (read.report.refusal) {
        Check(read.report.refusal->reason != RefusalReason::NoOverviewSection);
        return;
    }
    Check(DetectFileKind(bytes) != FileKind::Unknown);
    Check(read.report.notKept.empty());
    Check(SaveIntoDocument(read.document, read.settings) == read.document.text);
    MissionLines lines;
    BuildMissionLines(read.settings, lines);
    const MissionFileReading again = ReadMissionFile(JoinLinesCrLf(lines));
    Check(!again.report.refusal && again.settings == read.settings);
}

void CampaignReadsTheSameOnceSaved(std::string_view bytes) {
    const CampaignFileReading read = ReadCampaignFile(bytes);
    if (read.report.refusal) {
        Check(read.report.refusal->reason != RefusalReason::NoHeaderSection);
        return;
    }
    Check(read.report.notKept.empty());
    Check(SaveIntoDocument(read.document, read.settings) == read.document.text);
    std::vector<std::string> lines;
    BuildCampaignLines(read.settings, lines);
    const CampaignFileReading again = ReadCampaignFile(JoinLinesCrLf(lines));
    Check(!again.report.refusal && again.report.notKept.empty() &&
          again.settings == read.settings && again.sequential == read.sequential);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    MissionReadsTheSameOnceSaved(bytes);
    CampaignReadsTheSameOnceSaved(bytes);
    return 0;
}
