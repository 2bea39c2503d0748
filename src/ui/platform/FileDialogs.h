// Save and open dialogs as this program keeps them.
#pragma once

#include <QString>
#include <functional>

class QFileDialog;
class QWidget;

namespace vornask {

// A save or open dialog as this program keeps them: Qt's own dialog, which never asks about
// existing files itself. `filter` is "description|pattern".
void SetUpFileDialog(QFileDialog& dialog, const QString& objectName, const QString& filter,
                     const QString& defaultSuffix, const QString& initialFileName);

// A window's own file dialog, made the first time it is needed and kept from then on, so it
// remembers its folder and file name. Qt's file dialog costs more to build than a whole page,
// and most runs open few of them: building them all at start-up doubled the start-up time.
class KeptFileDialog {
public:
    // `setUp` runs once, on the new dialog.
    KeptFileDialog(QWidget* owner, std::function<void(QFileDialog&)> setUp)
        : owner_(owner), setUp_(std::move(setUp)) {}
    QFileDialog& get();
    // The folder the dialog opens in. Its window sets it when it is activated, so the dialog
    // exists whenever its window is shown.
    void setDirectory(const QString& folder);

private:
    QWidget* owner_;
    std::function<void(QFileDialog&)> setUp_;
    QFileDialog* dialog_ = nullptr; // owned by `owner_`
};

} // namespace vornask
