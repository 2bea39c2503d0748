#pragma once

#include "ui/platform/FileDialogs.h"
#include "ui/start/PageFrame.h"

#include <string>
#include <vector>

class QFileDialog;
class QPlainTextEdit;

namespace vornask {

class AppWindows;

} // namespace vornask

// Shows the generated mission file for editing before it is saved, and saves mission files:
// its save dialog and `SaveMissionFile` serve the finish page too.
class TViewSourceBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TViewSourceBox(vornask::AppWindows& windows);

    // Replaces the finish page's lines by the edited text, then saves them.
    void SaveIt();
    // Asks for a file name and saves the finish page's lines there, and the ".german" copy
    // when the finish page asks for one.
    void SaveMissionFile();

    // Fills the text area with `lines`, one line each.
    void ShowLines(const std::vector<std::string>& lines);

    QFileDialog& SaveDialog1() const { return saveDialog1_.get(); }
    // The folder the save dialog opens in; the finish page sets it when it opens, which makes
    // the dialog the first time.
    void SetSaveFolder(const QString& folder) { saveDialog1_.setDirectory(folder); }

protected:
    void OkPressed() override { SaveIt(); }

private:
    QWidget* MessageParent();
    void CloseWizardPages();

    vornask::AppWindows& windows_;
    QPlainTextEdit* sourceBox_;
    mutable vornask::KeptFileDialog saveDialog1_;
};
