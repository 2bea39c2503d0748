#include "ui/wizard/AdvancedAIOptions.h"

#include "ui/controls/ComboBox98.h"
#include "ui/platform/QtText.h"
#include "ui/start/AppWindows.h"
#include "ui/start/PageControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornask {
namespace {

QPlainTextEdit* MakeReadOnlyText(const QString& name) {
    QPlainTextEdit* text = MakeMemo(name, QString());
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text->setMinimumHeight(RowsHeight(*text, text->fontMetrics().lineSpacing(), 5));
    return text;
}

QString Latin1(const char* text) {
    return QString::fromLatin1(text);
}

// The two views share one place in the dialog, so it keeps its size whichever one shows.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

} // namespace vornask

// Global T-classes: Qt reports "TAdvancedAIOptions", not "vornask::TAdvancedAIOptions".
using namespace vornask;

TAdvancedAIOptions::TAdvancedAIOptions(AppWindows& windows)
    // Escape closes the dialog as its close control does: a value picked from a list is
    // kept at once, and the abilities wait for "OK".
    : TPageFrame(QStringLiteral("AdvancedAIOptions"), tr("Advanced AI Options"),
                 tr("Advanced AI Options"), OnEscape::Close),
      windows_(windows) {
    BuildControls();
    LayOutControls();
    ConnectHandlers();
    // Focus on the list would make its first option current by itself, unselected, so that
    // the first Down would pass over it. A current index set once stops that: the list takes
    // the focus with no option current, and the first Down selects the first option.
    optionList_->setCurrentIndex(QModelIndex());
    okButton()->setFocus();
}

void TAdvancedAIOptions::BuildControls() {
    sideLabel_ = MakeLabel(QStringLiteral("Label5"), tr("For ..."));
    optionsLabel_ = MakeLabel(QStringLiteral("Label2"), tr("Options:"));
    optionList_ = new QListWidget;
    optionList_->setObjectName(QStringLiteral("ListBox1"));
    for (const AdvancedOption& option : AdvancedOptions())
        optionList_->addItem(Latin1(option.name));

    valueLabel_ = MakeLabel(QStringLiteral("Label3"), tr("Value:"));
    descriptionLabel_ = MakeLabel(QStringLiteral("Label4"), tr("Description:"));
    valueBox_ = MakeEditableComboBox(QStringLiteral("ComboBox1"), {});
    descriptionText_ = MakeReadOnlyText(QStringLiteral("Memo1"));

    abilityLabel_ = MakeLabel(QStringLiteral("Label6"), tr("Ability:"));
    abilityValueLabel_ = MakeLabel(QStringLiteral("Label7"), tr("Value:"));
    abilityDescriptionLabel_ = MakeLabel(QStringLiteral("Label8"), tr("Description:"));
    abilityBox_ = new TComboBox98;
    abilityBox_->setObjectName(QStringLiteral("AbilityBox"));
    for (const Ability& ability : Abilities())
        abilityBox_->addItem(Latin1(ability.name));
    // The box and its list show the longest name whole, whatever the font.
    abilityBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    abilityBox_->view()->setMinimumWidth(abilityBox_->view()->sizeHintForColumn(0) + 24);
    abilityValueBox_ = MakeEditableComboBox(QStringLiteral("AbilityValueBox"),
                                            {QStringLiteral("True"), QStringLiteral("False")});
    abilityDescription_ = MakeReadOnlyText(QStringLiteral("AbilityDescription"));
    abilityDescription_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    abilityDescription_->setPlainText(Latin1(Abilities()[0].description));
    abilityBox_->lineEdit()->setCursorPosition(0);

    okButton()->setObjectName(QStringLiteral("Button2"));
}

void TAdvancedAIOptions::LayOutControls() {
    auto* views = new QGridLayout;
    views->addWidget(valueLabel_, 0, 0);
    views->addWidget(valueBox_, 1, 0);
    views->addWidget(descriptionLabel_, 2, 0);
    views->addWidget(descriptionText_, 3, 0, 3, 1);
    views->addWidget(abilityLabel_, 0, 0);
    views->addWidget(abilityBox_, 1, 0);
    views->addWidget(abilityValueLabel_, 2, 0);
    views->addWidget(abilityValueBox_, 3, 0);
    views->addWidget(abilityDescriptionLabel_, 4, 0);
    views->addWidget(abilityDescription_, 5, 0);
    views->setRowStretch(5, 1);
    for (QWidget* control : OptionView())
        KeepPlaceWhenHidden(control);
    for (QWidget* control : AbilityView())
        KeepPlaceWhenHidden(control);

    auto* options = new QVBoxLayout;
    options->addWidget(optionsLabel_);
    options->addWidget(optionList_, 1);
    optionList_->setFixedWidth(optionList_->sizeHintForColumn(0) + 2 * optionList_->frameWidth() +
                               8);

    auto* body = new QHBoxLayout;
    body->addLayout(options);
    body->addLayout(views, 1);

    content()->addWidget(sideLabel_);
    content()->addLayout(body, 1);

    // First shown: the option view, empty, no option chosen.
    ShowAbilityView(false);
}

void TAdvancedAIOptions::ConnectHandlers() {
    // Clicks and arrow keys alike select an option; only the selected one is shown.
    connect(optionList_, &QListWidget::itemSelectionChanged, this, &TAdvancedAIOptions::PutValues);
    connect(valueBox_, &QComboBox::activated, this, &TAdvancedAIOptions::SaveValue);
    connect(abilityBox_, &TComboBox98::Changed, this,
            &TAdvancedAIOptions::UpdateDescriptionAndValue);
    connect(abilityBox_, &TComboBox98::Completed, this,
            &TAdvancedAIOptions::UpdateDescriptionAndValue);
    connect(abilityValueBox_, &QComboBox::editTextChanged, this,
            &TAdvancedAIOptions::SaveAbilityValue);
}

// The current option counts only when selected: focus alone can make one current.
std::optional<int> TAdvancedAIOptions::SelectedOption() const {
    const QList<QListWidgetItem*> selected = optionList_->selectedItems();
    if (selected.size() != 1)
        return std::nullopt;
    const int row = optionList_->row(selected.front());
    if (row < 0 || row >= kAdvancedOptionCount)
        return std::nullopt;
    return row;
}

// Shows what is stored for the edited opponent, so that confirming without changes keeps it.
void TAdvancedAIOptions::ChangeLabel() {
    const std::optional<int> side = EditedSide();
    sideLabel_->setText(tr("For AI%1...").arg(side.value_or(0)));
    abilityFlags_ =
        side ? AbilityFlagsOf(windows_.Mission().advancedOf(*side).Ability) : AllAbilitiesOn();
    if (side)
        TakeStoredValues(*side);
    if (shownAbility_)
        ShowAbilityFlag(*shownAbility_);
    if (SelectedOption())
        PutValues();
}

// An opponent never given a value keeps offering the value picked last.
void TAdvancedAIOptions::TakeStoredValues(int side) {
    const AdvancedValues& stored = windows_.Mission().advancedOf(side);
    for (int option = 0; option < kAdvancedOptionCount; ++option) {
        const std::string& value = stored.*(AdvancedOptions()[option].slot);
        if (option != kAbilityOption && !value.empty())
            currentValues_[option] = value;
    }
}

void TAdvancedAIOptions::PutValues() {
    const std::optional<int> option = SelectedOption();
    if (!option) {
        ShowNoOption();
        return;
    }
    ShowAbilityView(*option == kAbilityOption);
    if (*option != kAbilityOption)
        AddOptionValues(*option);
}

void TAdvancedAIOptions::AddOptionValues(int option) {
    const AdvancedOption& shown = AdvancedOptions()[option];
    valueBox_->clear();
    for (const char* value : shown.values)
        valueBox_->addItem(Latin1(value));
    valueBox_->setEditText(FromAnsi(currentValues_[option]));
    descriptionText_->setPlainText(Latin1(shown.description));
}

void TAdvancedAIOptions::ShowNoOption() {
    ShowAbilityView(false);
    valueBox_->clear();
    descriptionText_->clear();
}

void TAdvancedAIOptions::ShowAbilityView(bool show) {
    for (QWidget* control : OptionView())
        control->setVisible(!show);
    for (QWidget* control : AbilityView())
        control->setVisible(show);
}

std::array<QWidget*, 4> TAdvancedAIOptions::OptionView() const {
    return {valueLabel_, valueBox_, descriptionLabel_, descriptionText_};
}

std::array<QWidget*, 6> TAdvancedAIOptions::AbilityView() const {
    return {abilityLabel_,
            abilityBox_,
            abilityValueLabel_,
            abilityValueBox_,
            abilityDescriptionLabel_,
            abilityDescription_};
}

// Only a value picked from the list counts; the opponent being edited gets it at once.
void TAdvancedAIOptions::SaveValue() {
    const std::optional<int> option = SelectedOption();
    if (!option || *option == kAbilityOption)
        return;
    currentValues_[*option] = ToAnsi(valueBox_->currentText());
    if (const std::optional<int> side = EditedSide())
        windows_.Mission().advancedOf(*side).*(AdvancedOptions()[*option].slot) =
            currentValues_[*option];
}

// Runs as the ability box changes and again when it completes what was typed: only a whole
// name shows its flag and description, and the value box then belongs to that ability. Other
// text leaves the views as they are, and a value picked then is stored nowhere.
void TAdvancedAIOptions::UpdateDescriptionAndValue(const QString& abilityText) {
    shownAbility_ = AbilityIndex(ToAnsi(abilityText));
    if (!shownAbility_)
        return;
    ShowAbilityFlag(*shownAbility_);
    abilityDescription_->setPlainText(Latin1(Abilities()[*shownAbility_].description));
}

void TAdvancedAIOptions::ShowAbilityFlag(int ability) {
    abilityValueBox_->setEditText(FromAnsi(abilityFlags_[ability]));
}

void TAdvancedAIOptions::SaveAbilityValue() {
    if (shownAbility_)
        abilityFlags_[*shownAbility_] = ToAnsi(abilityValueBox_->currentText());
}

std::string TAdvancedAIOptions::GetAbility() const {
    return vornask::GetAbility(abilityFlags_);
}

void TAdvancedAIOptions::JustToBeSure() {
    const std::optional<int> side = EditedSide();
    if (!side)
        return;
    AdvancedValues& stored = windows_.Mission().advancedOf(*side);
    for (int option = 0; option < kAdvancedOptionCount; ++option)
        if (option != kAbilityOption)
            stored.*(AdvancedOptions()[option].slot) = currentValues_[option];
    stored.Ability = vornask::GetAbility(abilityFlags_, stored.Ability);
}
