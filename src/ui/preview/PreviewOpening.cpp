#include "ui/preview/PreviewOpening.h"

#include "core/campaign/MissionName.h"
#include "core/preview/PreviewSections.h"
#include "core/saving/FileToSave.h"
#include "ui/pages/WindowOwner.h"
#include "ui/platform/QtText.h"
#include "ui/platform/Texts.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace vornask {

QPushButton* MakePreviewButton(QWidget& window, WindowOwner& windows, TPreviewBox::Source source,
                               const QList<QWidget*>& watched) {
    auto* button = new QPushButton(Texts::tr("Pre&view"));
    button->setObjectName(QStringLiteral("PreviewButton"));
    button->setToolTip(Texts::tr("See the text as the game shows it"));
    OpenPreviewOnClick(*button, window, windows, std::move(source), watched);
    return button;
}

QLayout* PreviewRow(QPushButton* button) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    return row;
}

void OpenPreviewOnClick(QPushButton& button, QWidget& window, WindowOwner& windows,
                        TPreviewBox::Source source, const QList<QWidget*>& watched) {
    QObject::connect(&button, &QPushButton::clicked, &window,
                     [&window, &windows, source = std::move(source), watched] {
                         windows.PreviewBox().Follow(window, source, watched);
                     });
}

PreviewSection MissionPreview(const WindowOwner& windows, const MissionSettings& mission,
                              WrittenSection section, int side, int kind) {
    const std::string file = MissionFileToSave(mission, windows.OpenedMission()).Bytes();
    return {MissionSectionToDraw(file, section, side, kind), MissionFileName(windows)};
}

PreviewSection CampaignPreview(WindowOwner& windows) {
    const std::string file =
        CampaignFileToSave(windows.Campaign(), windows.OpenedCampaign()).Bytes();
    return {GuideOverviewToDraw(file), {}};
}

PreviewSection SourcePreview(const QPlainTextEdit& source, std::string missionFileName) {
    const auto line = static_cast<std::size_t>(source.textCursor().blockNumber());
    return {SectionToDrawAt(MemoLines(source), line), std::move(missionFileName)};
}

std::string MissionFileName(const WindowOwner& windows) {
    const QString& file = windows.MissionFile();
    if (file.isEmpty())
        return {};
    return GetMissionName(ToAnsi(QDir::toNativeSeparators(file)));
}

} // namespace vornask
