// The campaign check over a made-up folder: which mission files the game would not find, not
// read, or never see marked done.
#include "core/campaign/CampaignCheck.h"

#include "MadeUpFolder.h"

#include <QTest>
#include <map>

using namespace vornask;
using vornask::test::MadeUpFolder;
using Kind = CampaignFindingKind;
using Findings = std::vector<CampaignFinding>;

namespace {

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
    // Found as Windows finds a file, letter case ignored (accented letters too: the name is
    // Windows-1252, the folder's names UTF-8), the exact spelling first among several; then
    // read once, however often the campaign names it.
    void filesAreFoundAsWindowsFindsThemAndReadAsMissions() {
        MadeUpFolder folder({{"ISLAND1.ENGLISH", Mission(kDoneLine)},
                             {"\xC3\x8Ele.english", Mission(kDoneLine)}, // "Île"
                             {"bridge2.english", Mission("")},
                             {"Bridge2.english", Mission(kDoneLine)},
                             {"Locked.english", {std::nullopt, "Permission denied"}}});
        const CampaignSettings campaign =
            Campaign(true, {"Island1", "\xEEle", "Bridge2", "Bridge2", "Fort3", "Locked"});
        const Findings expected = {
            {Kind::MissingFile, 4, "Fort3.english"},
            {Kind::CannotRead, 5, "Locked.english", "Permission denied"},
        };
        QCOMPARE(CheckCampaign(campaign, folder), expected);
        QCOMPARE(folder.listings, 1);
        QCOMPARE(folder.reads.at("Bridge2.english"), 1);
        QVERIFY(!folder.reads.count("bridge2.english"));
    }

    // A mission that the next one waits for must set the flag it waits for, by a command that
    // sets that whole flag, in any letter case: not a longer flag that starts with it, nor a
    // story that mentions it. A row's own flag is the one it writes.
    void aMissionWaitedForMustSetItsFlag_data() {
        QTest::addColumn<QByteArray>("doneLine");
        QTest::addColumn<QByteArray>("name"); // Windows-1252
        QTest::addColumn<QByteArray>("flag"); // as the row writes it; empty: "{Done" + name + "}"
        QTest::addColumn<bool>("marked");
        const QByteArray island = "Island1";
        const QByteArray own;
        QTest::newRow("its own line") << QByteArray(kDoneLine.c_str()) << island << own << true;
        QTest::newRow("other case")
            << QByteArray("<$config,DONE{Mission.FileName}=1>") << island << own << true;
        QTest::newRow("Done and name")
            << QByteArray("<$Config,DoneIsland1=1>") << island << own << true;
        QTest::newRow("among others")
            << QByteArray("<$Config,Seen=1, doneisland1 = 1>") << island << own << true;
        QTest::newRow("accented") << QByteArray("<$Config,DONE\xCELE=1>") << QByteArray("\xEEle")
                                  << own << true;
        QTest::newRow("longer flag")
            << QByteArray("<$Config,DoneIsland10=1>") << island << own << false;
        QTest::newRow("in the story")
            << QByteArray("The scouts say doneisland1 is near.") << island << own << false;
        QTest::newRow("set to 0") << QByteArray("<$Config,DoneIsland1=0>") << island << own
                                  << false;
        QTest::newRow("other flag")
            << QByteArray("<$Config,DoneBridge2=1>") << island << own << false;
        QTest::newRow("cut short")
            << QByteArray("<$Config,Done{mission.fileName}>") << island << own << false;
        QTest::newRow("none") << QByteArray() << island << own << false;
        const QByteArray custom = "{vn_donevn1}";
        QTest::newRow("row's own flag")
            << QByteArray("<$Config,VN_DONEVN1=1>") << island << custom << true;
        QTest::newRow("row's own flag, not Done")
            << QByteArray(kDoneLine.c_str()) << island << custom << false;
    }
    void aMissionWaitedForMustSetItsFlag() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, doneLine);
        QFETCH(QByteArray, flag);
        QFETCH(bool, marked);
        const std::string file = QString::fromLatin1(name).toUtf8().toStdString() + ".english";
        MadeUpFolder folder(
            {{file, Mission(doneLine.toStdString())}, {"Last.english", Mission("")}});
        CampaignSettings campaign = Campaign(true, {name.toStdString(), "Last"});
        if (!flag.isEmpty())
            campaign.missions[0].flag = flag.toStdString();
        // The last mission is waited for by none: its own done line does not matter.
        const Findings neverDone = {{Kind::NeverDone, 0, file, {}, {}, 1}};
        QCOMPARE(CheckCampaign(campaign, folder), marked ? Findings{} : neverDone);
        // Without "Sequential" no mission waits for another.
        campaign.Sequential = false;
        QCOMPARE(CheckCampaign(campaign, folder), Findings{});
    }

    // Who waits for whom: a mission of an opened guide that keeps its own condition waits for
    // the mission that sets that flag, "Sequential" or not, and is named when that mission
    // comes after it. Rows that start no mission are neither checked nor waited for.
    void theConditionsSayWhoWaitsForWhom() {
        MadeUpFolder folder(
            {{"A.english", Mission("")}, {"B.english", Mission("")}, {"C.english", Mission("")}});
        CampaignSettings campaign = Campaign(false, {"A", "Heading", "B", "C"});
        campaign.missions[1].startsMission = false;
        campaign.missions[2].condition = "{DoneC}";
        campaign.missions[3].afterPrevious = true;
        QCOMPARE(CheckCampaign(campaign, folder),
                 (Findings{{Kind::WaitsForLater, 2, "B.english", {}, {}, 3},
                           {Kind::NeverDone, 2, "B.english", {}, {}, 3}}));
        QCOMPARE(folder.reads.size(), std::size_t(3));
    }
};

QTEST_APPLESS_MAIN(CampaignCheckTest)
#include "test_campaign_check.moc"
