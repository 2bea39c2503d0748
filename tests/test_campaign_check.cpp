// The campaign check over a made-up folder: which mission files the game would not find, not
// read, or never see marked done.
#include "core/campaign/CampaignCheck.h"

#include <QTest>
#include <map>

using namespace vornask;
using Kind = CampaignFindingKind;
using Findings = std::vector<CampaignFinding>;

namespace {

// A folder in memory that counts how often it is listed and each file read.
class MadeUpFolder : public MissionFolder {
public:
    explicit MadeUpFolder(std::map<std::string, FolderFile> files) : files_(std::move(files)) {}

    std::vector<std::string> Names() override {
        ++listings;
        std::vector<std::string> names;
        for (const auto& entry : files_)
            names.push_back(entry.first);
        return names;
    }
    FolderFile Read(const std::string& name) override {
        ++reads[name];
        return files_.at(name);
    }

    int listings = 0;
    std::map<std::string, int> reads;

private:
    std::map<std::string, FolderFile> files_;
};

// A mission file whose success section ends with `doneLine`.
FolderFile Mission(const std::string& doneLine) {
    return {"[Header]\r\ntitle = \"A map\"\r\n\r\n[Succeeded]\r\n<h2>Won</h2>\r\n" + doneLine +
                "\r\n$Button=Leave Missions,MissionAbort,0\r\n\r\n[END]\r\n",
            {}};
}

const std::string kDoneLine = "<$Config,Done{mission.fileName}=1>";

CampaignSettings Campaign(bool sequential, const std::vector<std::string>& names) {
    CampaignSettings campaign;
    campaign.Sequential = sequential;
    for (const std::string& name : names)
        campaign.missions.push_back({"Title of " + name, name});
    return campaign;
}

} // namespace

class CampaignCheckTest : public QObject {
    Q_OBJECT
private slots:
    // Found as Windows finds a file: letter case ignored, accented letters too (the name is
    // Windows-1252, the folder's names UTF-8), the exact spelling first among several.
    void missionFilesAreFoundWhateverTheirLetterCase() {
        MadeUpFolder folder({{"ISLAND1.ENGLISH", Mission(kDoneLine)},
                             {"\xC3\x8Ele.english", Mission(kDoneLine)}, // "Île"
                             {"bridge2.english", Mission("")},
                             {"Bridge2.english", Mission(kDoneLine)},
                             {"Bridge2.german", Mission(kDoneLine)}});
        const CampaignSettings campaign =
            Campaign(true, {"Island1", "\xEEle", "Bridge2", "Fort3", "Bridge2.german"});
        const Findings expected = {
            {Kind::MissingFile, 3, "Fort3.english"},
            {Kind::MissingFile, 4, "Bridge2.german.english"},
        };
        QCOMPARE(CheckCampaign(campaign, folder), expected);
        // One listing for the whole campaign; a file is read once however often it is named.
        QCOMPARE(folder.listings, 1);
        QCOMPARE(folder.reads,
                 (std::map<std::string, int>{
                     {"ISLAND1.ENGLISH", 1}, {"\xC3\x8Ele.english", 1}, {"Bridge2.english", 1}}));
    }

    void filesThatCannotBeReadAsMissionsNameTheReason() {
        MadeUpFolder folder({
            {"Locked.english", {std::nullopt, "Permission denied"}},
            {"Guide.english", {"title = \"G\"\r\n\r\n[Overview]\r\n", {}}},
            {"Huge.english", {std::string(kMaxReadableFileBytes + 1, 'x'), {}}},
            {"Binary.english", {std::string("[Header]\r\n\0\r\n", 13), {}}},
        });
        const Findings expected = {
            {Kind::CannotRead, 0, "Locked.english", "Permission denied"},
            {Kind::NotAMission, 1, "Guide.english", {}, Refusal{RefusalReason::NoHeaderSection}},
            {Kind::NotAMission, 2, "Huge.english", {}, Refusal{RefusalReason::TooLarge, 4194305}},
            {Kind::NotAMission, 3, "Binary.english", {}, Refusal{RefusalReason::HoldsNulByte, 2}},
        };
        QCOMPARE(CheckCampaign(Campaign(false, {"Locked", "Guide", "Huge", "Binary"}), folder),
                 expected);
    }

    // A mission that a later one waits for must mark itself done, in any of the forms the game
    // reads, anywhere in the file and in any letter case.
    void aMissionWaitedForMustMarkItselfDone_data() {
        QTest::addColumn<QString>("doneLine");
        QTest::addColumn<bool>("marked");
        QTest::newRow("the program's own line") << QString::fromStdString(kDoneLine) << true;
        QTest::newRow("in other letter case") << "<$config,DONE{Mission.FileName}=1>" << true;
        QTest::newRow("Done and its name") << "<$Config,DoneIsland1=1>" << true;
        QTest::newRow("its name in capitals") << "; DONEISLAND1" << true;
        QTest::newRow("another mission's flag") << "<$Config,DoneBridge2=1>" << false;
        QTest::newRow("the config line cut short") << "<$Config,Done{mission.fileName}>" << false;
        QTest::newRow("none") << "" << false;
    }
    void aMissionWaitedForMustMarkItselfDone() {
        QFETCH(QString, doneLine);
        QFETCH(bool, marked);
        const FolderFile file = Mission(doneLine.toStdString());
        MadeUpFolder folder({{"Island1.english", file}, {"Bridge2.english", Mission("")}});
        // The last mission is waited for by none: its own done line does not matter.
        const Findings neverDone = {{Kind::NeverDone, 0, "Island1.english", {}, {}, 1}};
        QCOMPARE(CheckCampaign(Campaign(true, {"Island1", "Bridge2"}), folder),
                 marked ? Findings{} : neverDone);
        // Without "Sequential" no mission waits for another.
        QCOMPARE(CheckCampaign(Campaign(false, {"Island1", "Bridge2"}), folder), Findings{});
    }

    // Accented names are compared as Windows compares them, in the game's code page.
    void anAccentedNameMarksItselfDoneInAnyLetterCase() {
        MadeUpFolder folder({{"\xC3\xAEle.english", Mission("<$Config,DONE\xCELE=1>")},
                             {"B.english", Mission("")}});
        QCOMPARE(CheckCampaign(Campaign(true, {"\xEEle", "B"}), folder), Findings{});
    }

    // Only the mission whose flag another's condition names is waited for: a mission of an
    // opened guide that keeps its own condition waits for the one that condition names.
    void theConditionsSayWhoWaitsForWhom() {
        MadeUpFolder folder(
            {{"A.english", Mission("")}, {"B.english", Mission("")}, {"C.english", Mission("")}});
        CampaignSettings campaign = Campaign(true, {"A", "B", "C"});
        campaign.missions[1].condition = "1";
        QCOMPARE(CheckCampaign(campaign, folder),
                 (Findings{{Kind::NeverDone, 1, "B.english", {}, {}, 2}}));
        campaign.Sequential = false;
        campaign.missions[2].condition = "{DoneA}";
        QCOMPARE(CheckCampaign(campaign, folder),
                 (Findings{{Kind::NeverDone, 0, "A.english", {}, {}, 2}}));
    }
};

QTEST_APPLESS_MAIN(CampaignCheckTest)
#include "test_campaign_check.moc"
