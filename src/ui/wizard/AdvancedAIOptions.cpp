#include "ui/wizard/AdvancedAIOptions.h"

#include "ui/controls/ComboBox98.h"
#include "ui/platform/QtText.h"
#include "ui/start/AppWindows.h"
#include "ui/start/PageControls.h"

#include <QComboBox>
#include <QFrame>
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

using namespace vornask;

TAdvancedAIOptions::TAdvancedAIOptions(AppWindows& windows)
    : TPageFrame(QStringLiteral("AdvancedAIOptions"), QStringLiteral("Advanced AI Options"),
                 QStringLiteral("Advanced AI Options")),
      windows_(windows) {
    BuildControls();
    LayOutControls();
    ConnectHandlers();
    // Focus on the list would choose its first option by itself: the dialog first opens with
    // none chosen.
    Button2->setFocus();
}

void TAdvancedAIOptions::BuildControls() {
    Label5 = MakeLabel(QStringLiteral("Label5"), QStringLiteral("For ..."));
    Label2 = MakeLabel(QStringLiteral("Label2"), QStringLiteral("Options:"));
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    for (const AdvancedOption& option : AdvancedOptions())
        ListBox1->addItem(Latin1(option.name));

    Label3 = MakeLabel(QStringLiteral("Label3"), QStringLiteral("Value:"));
    Label4 = MakeLabel(QStringLiteral("Label4"), QStringLiteral("Description:"));
    ComboBox1 = MakeEditableComboBox(QStringLiteral("ComboBox1"), {});
    Memo1 = MakeReadOnlyText(QStringLiteral("Memo1"));

    Label6 = MakeLabel(QStringLiteral("Label6"), QStringLiteral("Ability:"));
    Label7 = MakeLabel(QStringLiteral("Label7"), QStringLiteral("Value:"));
    Label8 = MakeLabel(QStringLiteral("Label8"), QStringLiteral("Description:"));
    AbilityBox = new TComboBox98;
    AbilityBox->setObjectName(QStringLiteral("AbilityBox"));
    for (const Ability& ability : Abilities())
        AbilityBox->addItem(Latin1(ability.name));
    // The names are long: the box shows the start, its list the whole names.
    AbilityBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    AbilityBox->setMinimumContentsLength(16);
    AbilityBox->view()->setMinimumWidth(AbilityBox->view()->sizeHintForColumn(0) + 24);
    AbilityValueBox = MakeEditableComboBox(QStringLiteral("AbilityValueBox"),
                                           {QStringLiteral("True"), QStringLiteral("False")});
    AbilityDescription = MakeReadOnlyText(QStringLiteral("AbilityDescription"));
    AbilityDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AbilityDescription->setPlainText(Latin1(Abilities()[0].description));
    AbilityBox->lineEdit()->setCursorPosition(0);

    Button2 = okButton();
    Button2->setObjectName(QStringLiteral("Button2"));
}

void TAdvancedAIOptions::LayOutControls() {
    auto* views = new QGridLayout;
    views->addWidget(Label3, 0, 0);
    views->addWidget(ComboBox1, 1, 0);
    views->addWidget(Label4, 2, 0);
    views->addWidget(Memo1, 3, 0, 3, 1);
    views->addWidget(Label6, 0, 0);
    views->addWidget(AbilityBox, 1, 0);
    views->addWidget(Label7, 2, 0);
    views->addWidget(AbilityValueBox, 3, 0);
    views->addWidget(Label8, 4, 0);
    views->addWidget(AbilityDescription, 5, 0);
    views->setRowStretch(5, 1);
    for (QWidget* control :
         {static_cast<QWidget*>(Label3), static_cast<QWidget*>(ComboBox1),
          static_cast<QWidget*>(Label4), static_cast<QWidget*>(Memo1),
          static_cast<QWidget*>(Label6), static_cast<QWidget*>(AbilityBox),
          static_cast<QWidget*>(Label7), static_cast<QWidget*>(AbilityValueBox),
          static_cast<QWidget*>(Label8), static_cast<QWidget*>(AbilityDescription)})
        KeepPlaceWhenHidden(control);

    auto* options = new QVBoxLayout;
    options->addWidget(Label2);
    options->addWidget(ListBox1, 1);
    ListBox1->setFixedWidth(ListBox1->sizeHintForColumn(0) + 2 * ListBox1->frameWidth() + 8);

    auto* body = new QHBoxLayout;
    body->addLayout(options);
    body->addLayout(views, 1);

    content()->addWidget(Label5);
    content()->addLayout(body, 1);

    // First shown: the option view, empty, no option chosen.
    ShowAbilityView(false);
}

void TAdvancedAIOptions::ConnectHandlers() {
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TAdvancedAIOptions::PutValues);
    connect(ListBox1, &QListWidget::itemClicked, this, &TAdvancedAIOptions::PutValues);
    connect(ComboBox1, &QComboBox::activated, this, &TAdvancedAIOptions::SaveValue);
    connect(AbilityBox, &TComboBox98::Changed, this,
            &TAdvancedAIOptions::UpdateDescriptionAndValue);
    connect(AbilityValueBox, &QComboBox::editTextChanged, this,
            &TAdvancedAIOptions::SaveAbilityValue);
}

std::optional<int> TAdvancedAIOptions::SelectedOption() const {
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= kAdvancedOptionCount)
        return std::nullopt;
    return row;
}

std::optional<int> TAdvancedAIOptions::ChosenAbility() const {
    return AbilityIndex(ToAnsi(AbilityBox->currentText()));
}

// Shows what is stored for the edited opponent, so that confirming without changes keeps it.
void TAdvancedAIOptions::ChangeLabel() {
    const std::optional<int> side = EditedSide();
    Label5->setText(QStringLiteral("For AI%1...").arg(side.value_or(0)));
    abilityFlags_ =
        side ? AbilityFlagsOf(windows_.Mission().advancedOf(*side).Ability) : AllAbilitiesOn();
    if (side)
        TakeStoredValues(*side);
    if (const auto ability = ChosenAbility())
        ShowAbilityFlag(*ability);
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
    if (!option)
        return;
    ShowAbilityView(*option == kAbilityOption);
    if (*option != kAbilityOption)
        AddOptionValues(*option);
}

void TAdvancedAIOptions::AddOptionValues(int option) {
    const AdvancedOption& shown = AdvancedOptions()[option];
    ComboBox1->clear();
    for (const char* value : shown.values)
        ComboBox1->addItem(Latin1(value));
    ComboBox1->setEditText(FromAnsi(currentValues_[option]));
    Memo1->setPlainText(Latin1(shown.description));
}

void TAdvancedAIOptions::ShowAbilityView(bool show) {
    for (QWidget* control : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(ComboBox1),
                             static_cast<QWidget*>(Label4), static_cast<QWidget*>(Memo1)})
        control->setVisible(!show);
    for (QWidget* control :
         {static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label7),
          static_cast<QWidget*>(Label8), static_cast<QWidget*>(AbilityBox),
          static_cast<QWidget*>(AbilityValueBox), static_cast<QWidget*>(AbilityDescription)})
        control->setVisible(show);
}

// Only a value picked from the list counts; the opponent being edited gets it at once.
void TAdvancedAIOptions::SaveValue() {
    const std::optional<int> option = SelectedOption();
    if (!option || *option == kAbilityOption)
        return;
    currentValues_[*option] = ToAnsi(ComboBox1->currentText());
    if (const std::optional<int> side = EditedSide())
        windows_.Mission().advancedOf(*side).*(AdvancedOptions()[*option].slot) =
            currentValues_[*option];
}

// Runs before the ability box completes what was typed: only a whole name, as typed or
// picked, shows its flag and description.
void TAdvancedAIOptions::UpdateDescriptionAndValue(const QString& abilityText) {
    const std::optional<int> ability = AbilityIndex(ToAnsi(abilityText));
    if (!ability)
        return;
    ShowAbilityFlag(*ability);
    AbilityDescription->setPlainText(Latin1(Abilities()[*ability].description));
}

void TAdvancedAIOptions::ShowAbilityFlag(int ability) {
    AbilityValueBox->setEditText(FromAnsi(abilityFlags_[ability]));
}

void TAdvancedAIOptions::SaveAbilityValue() {
    if (const std::optional<int> ability = ChosenAbility())
        abilityFlags_[*ability] = ToAnsi(AbilityValueBox->currentText());
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
    stored.Ability = GetAbility();
}
