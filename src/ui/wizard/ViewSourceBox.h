#pragma once

#include "core/saving/SaveProcedure.h"
#include "ui/pages/PageFrame.h"
#include "ui/platform/FileDialogs.h"

#include <functional>
#include <string>
#include <vector>

class QFileDialog;
class QPlainTextEdit;
class QPushButton;

namespace vornask {

class WindowOwner;

} // namespace vornask

// Shows the generated mission file for editing before it is saved. Its "OK" hands the edited
// lines back to the finish page, which saves them; it keeps the mission save dialog.
class TViewSourceBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TViewSourceBox(vornask::WindowOwner& windows);

    using SaveLines = std::function<vornask::SaveResult(const std::vector<std::string>& edited)>;

    // Shows `lines` for editing, one line each, and runs modally; "OK" hands the edited lines
    // to `save`.
    int Edit(const std::vector<std::string>& lines, SaveLines save);
    void SaveIt();
    // Whether the text shown was edited since `Edit` showed it.
    bool Edited() const;

    QFileDialog& SaveDialog1() const { return saveDialog1_.get(); }
    // The folder the save dialog opens in; the finish page sets it when it opens, which makes
    // the dialog the first time.
    void SetSaveFolder(const QString& folder) { saveDialog1_.setDirectory(folder); }
    // Offers `path`: its folder and its name.
    void SetSaveFile(const QString& path) { saveDialog1_.setFile(path); }

protected:
    void OkPressed() override { SaveIt(); }

private:
    // "Pre&view": the section that holds the cursor.
    QPushButton* AddPreviewButton();

    vornask::WindowOwner& windows_;
    QPlainTextEdit* sourceBox_;
    SaveLines save_;
    mutable vornask::KeptFileDialog saveDialog1_;
};
