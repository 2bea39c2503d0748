// What the windows hand the preview: the "Pre&view" button, and the section to draw, taken from
// the file as a save would write it now, so that the preview reads what the game will read.
#pragma once

#include "core/mission/MissionWriter.h"
#include "ui/preview/PreviewBox.h"

#include <QList>
#include <string>

class QLayout;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vornask {

class WindowOwner;

// "Pre&view" ("PreviewButton"), which opens the preview beside `window`: it draws what `source`
// gives and follows the changes of `watched`.
QPushButton* MakePreviewButton(QWidget& window, WindowOwner& windows, TPreviewBox::Source source,
                               const QList<QWidget*>& watched);
// `button` at the right of a row of its own, below what it previews.
QLayout* PreviewRow(QPushButton* button);
// The preview for a button the window made itself.
void OpenPreviewOnClick(QPushButton& button, QWidget& window, WindowOwner& windows,
                        TPreviewBox::Source source, const QList<QWidget*>& watched);

// A section of the mission file a save of `mission` would write now: the entry box, a message, or
// the event `kind` of opponent `side`.
PreviewSection MissionPreview(const WindowOwner& windows, const MissionSettings& mission,
                              WrittenSection section, int side = kFirstOpponent, int kind = 0);
// The "[Overview]" of the campaign guide a save would write now: the intro and the menu.
PreviewSection CampaignPreview(WindowOwner& windows);
// The section of a source view's text that holds its cursor.
PreviewSection SourcePreview(const QPlainTextEdit& source, std::string missionFileName);
// "{mission.fileName}": the name of the opened mission's file; empty for a new mission.
std::string MissionFileName(const WindowOwner& windows);

} // namespace vornask
