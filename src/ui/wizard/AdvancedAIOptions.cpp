#include "ui/wizard/AdvancedAIOptions.h"

#include "ui/controls/ComboBox98.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/WindowOwner.h"
#include "ui/platform/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace vornask {
namespace {

QPlainTextEdit* MakeReadOnlyText(const QString& name) {
    QPlainTextEdit* text = MakeMemo(name, QString());
    text->setReadOnly(true);
    // Only to read: Tab passes it by, and a click still lets its words be selected and copied.
    text->setFocusPolicy(Qt::ClickFocus);
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

// Lets into the value box only what an option may hold: whole numbers, as the game's files
// hold them. Text set by the dialog (an opened file's value) is shown as it is.
class AdvancedValueValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return IsAdvancedValue(ToAnsi(input)) ? Acceptable : Invalid;
    }
};

// The step an arrow key (without Alt or Ctrl, which open the list and complete) or the wheel
// asks of a value box: +1 down, -1 up, 0 for any other event.
int StepAskedBy(const QEvent& event) {
    if (event.type() == QEvent::Wheel) {
        const int delta = static_cast<const QWheelEvent&>(event).angleDelta().y();
        return delta > 0 ? -1 : delta < 0 ? 1 : 0;
    }
    if (event.type() != QEvent::KeyPress)
        return 0;
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return 0;
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        return -1;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        return 1;
    default:
        return 0;
    }
}

} // namespace

} // namespace vornask

// Global T-classes: Qt reports "TAdvancedAIOptions", not "vornask::TAdvancedAIOptions".
using namespace vornask;

TAdvancedAIOptions::TAdvancedAIOptions(WindowOwner& windows)
    // Escape closes the dialog as its close control and "OK" do: every change is stored as
    // it is made.
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
    valueBox_->setValidator(new AdvancedValueValidator(valueBox_));
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
    ShowNoOption();
}

void TAdvancedAIOptions::ConnectHandlers() {
    // Clicks and arrow keys alike select an option; only the selected one is shown.
    connect(optionList_, &QListWidget::itemSelectionChanged, this, &TAdvancedAIOptions::PutValues);
    connect(valueBox_, &QComboBox::editTextChanged, this, &TAdvancedAIOptions::SaveValue);
    // The box's own stepping would start from its first item, not from the value shown.
    valueBox_->installEventFilter(this);
    connect(valueBox_->lineEdit(), &QLineEdit::inputRejected, this,
            &TAdvancedAIOptions::RefuseTypedValue);
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

// Shows the edited opponent's own values, as they are stored for it.
void TAdvancedAIOptions::ChangeLabel() {
    const std::optional<int> side = EditedSide();
    sideLabel_->setText(tr("For AI%1...").arg(side.value_or(0)));
    abilityFlags_ = AbilityFlagsOf(StoredValue(kAbilityOption));
    if (shownAbility_)
        ShowAbilityFlag(*shownAbility_);
    if (SelectedOption())
        PutValues();
}

std::string TAdvancedAIOptions::StoredValue(int option) const {
    const std::optional<int> side = EditedSide();
    return side ? windows_.Mission().advancedOf(*side).*(AdvancedOptions()[option].slot)
                : std::string();
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

// Shows the edited opponent's own value, empty when it has none: filling the box stores
// nothing.
void TAdvancedAIOptions::AddOptionValues(int option) {
    const AdvancedOption& shown = AdvancedOptions()[option];
    const QSignalBlocker filling(valueBox_);
    valueBox_->setEnabled(true);
    valueBox_->clear();
    for (const char* value : shown.values)
        valueBox_->addItem(Latin1(value));
    valueBox_->setEditText(FromAnsi(StoredValue(option)));
    descriptionText_->setPlainText(Latin1(shown.description));
}

// A value typed with no option chosen would belong to none: the box waits for a choice.
void TAdvancedAIOptions::ShowNoOption() {
    ShowAbilityView(false);
    const QSignalBlocker emptying(valueBox_);
    valueBox_->clear();
    valueBox_->setEnabled(false);
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

// Picked from the list or typed, the value shown is the edited opponent's at once.
void TAdvancedAIOptions::SaveValue() {
    const std::optional<int> option = SelectedOption();
    const std::optional<int> side = EditedSide();
    if (option && *option != kAbilityOption && side)
        windows_.Mission().advancedOf(*side).*(AdvancedOptions()[*option].slot) =
            ToAnsi(valueBox_->currentText());
}

bool TAdvancedAIOptions::eventFilter(QObject* watched, QEvent* event) {
    const int step = watched == valueBox_ ? StepAskedBy(*event) : 0;
    if (step == 0)
        return TPageFrame::eventFilter(watched, event);
    StepValue(step);
    return true;
}

void TAdvancedAIOptions::StepValue(int step) {
    const std::optional<int> option = SelectedOption();
    if (!option || *option == kAbilityOption)
        return;
    const std::optional<std::size_t> reached =
        SteppedValue(AdvancedOptions()[*option].values, ToAnsi(valueBox_->currentText()), step);
    if (!reached)
        return;
    const int index = static_cast<int>(*reached);
    valueBox_->setCurrentIndex(index);
    valueBox_->setEditText(valueBox_->itemText(index)); // also when that item was current
}

// The key did nothing: say why where the user looks, without a message to click away.
void TAdvancedAIOptions::RefuseTypedValue() {
    QToolTip::showText(valueBox_->mapToGlobal(QPoint(0, valueBox_->height())),
                       tr("Type a whole number here, such as 20."), valueBox_);
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

// A flag the user changes is stored for the edited opponent at once. Showing a flag changes
// none, so an opponent's value stays exactly as it was until one of its abilities changes.
void TAdvancedAIOptions::SaveAbilityValue() {
    if (!shownAbility_)
        return;
    std::string flag = ToAnsi(abilityValueBox_->currentText());
    if (flag == abilityFlags_[*shownAbility_])
        return;
    abilityFlags_[*shownAbility_] = std::move(flag);
    if (const std::optional<int> side = EditedSide()) {
        std::string& ability = windows_.Mission().advancedOf(*side).Ability;
        ability =
            vornask::GetAbility(abilityFlags_, ability); // an opened file's other entries stay
    }
}
