// The entry box page: the quote, its author and the background story shown as the map loads.
#pragma once

#include "ui/wizard/WizardPage.h"

class QLineEdit;
class QPlainTextEdit;

class TThirdBox : public TWizardPage {
    Q_OBJECT
public:
    explicit TThirdBox(vornask::WindowOwner& windows);

    void ResetToDefaults() override;

protected:
    QWidget* FirstInput() const override;
    bool MendTexts() override;
    void StoreValues() override;

private:
    QLineEdit* quoteTextBox_;
    QLineEdit* quoteAuthorBox_;
    QPlainTextEdit* backgroundStoryBox_;
};
