#include "ui/wizard/FourthBoxTabs.h"

#include "core/mission/MissionSettings.h"
#include "ui/controls/SpinEdit.h"
#include "ui/platform/QtText.h"
#include "ui/start/PageControls.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornask {
namespace {

const QString kMoneyHint = QStringLiteral("How rich is this guy?");
const QString kTechHint = QStringLiteral("Tick the boxes to give the tech");
constexpr int kMaxMoney = 500000;
constexpr int kMoneyStep = 100;
constexpr int kItemPositionRole = Qt::UserRole; // a knowledge item's position in the table

QString Numbered(const char* prefix, int side, const char* suffix = "") {
    return QString::fromLatin1(prefix) + QString::number(side) + QString::fromLatin1(suffix);
}

template <std::size_t N>
QListWidget* MakeTechList(const QString& name, const std::array<int, N>& order) {
    QStringList captions;
    for (int position : order)
        captions << QString::fromLatin1(TechItemTable[position].caption);
    QListWidget* list = MakeCheckList(name, captions, kTechHint);
    for (std::size_t row = 0; row < N; ++row)
        list->item(static_cast<int>(row))->setData(kItemPositionRole, order[row]);
    // As tall as the tab's other controls: the 26 items scroll.
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    list->setMinimumHeight(RowsHeight(*list, list->sizeHintForRow(0), 8));
    return list;
}

std::array<int, kTechItemCount> TableOrder() {
    std::array<int, kTechItemCount> order{};
    for (int i = 0; i < kTechItemCount; ++i)
        order[i] = i;
    return order;
}

QListWidget* MakeAllyList(const QString& name, int owner, const QString& hint) {
    QStringList captions;
    for (const std::string& caption : AllyListCaptions(owner))
        captions << QString::fromStdString(caption);
    QListWidget* list = MakeCheckList(name, captions, hint);
    list->setFixedHeight(RowsHeight(*list, list->sizeHintForRow(0), kAllyItemCount));
    return list;
}

void SetTextColour(QListWidget& list, const QColor& colour) {
    for (int row = 0; row < list.count(); ++row)
        list.item(row)->setForeground(colour);
}

// Knowledge on the right, the tab's own controls in `left`.
void LayOutTab(QWidget* tab, QVBoxLayout* left, const SideLists& lists) {
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Knowledge:")));
    right->addWidget(lists.techList, 1);
    right->addWidget(lists.allTechBox);
    auto* columns = new QHBoxLayout(tab);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
}

} // namespace

void ClickAllTech(const QCheckBox& allTechBox, QListWidget& techList) {
    const Qt::CheckState state = allTechBox.isChecked() ? Qt::Checked : Qt::Unchecked;
    for (int row = 0; row < techList.count(); ++row)
        techList.item(row)->setCheckState(state);
}

void UncheckAll(QListWidget& list) {
    for (int row = 0; row < list.count(); ++row)
        list.item(row)->setCheckState(Qt::Unchecked);
}

std::string TechValue(const SideLists& lists) {
    TechTicks ticks{};
    for (int row = 0; row < lists.techList->count(); ++row) {
        const QListWidgetItem* item = lists.techList->item(row);
        ticks[item->data(kItemPositionRole).toInt()] = item->checkState() == Qt::Checked;
    }
    return GetTechList(ticks, lists.allTechBox->isChecked());
}

std::string AllyValue(const SideLists& lists) {
    AllyTicks ticks{};
    for (int row = 0; row < kAllyItemCount; ++row)
        ticks[row] = lists.allyList->item(row)->checkState() == Qt::Checked;
    return GetAllyList(ticks, lists.owner);
}

} // namespace vornask

using namespace vornask;

TPlayerTab::TPlayerTab() {
    MyStartMoneyBox =
        MakeSpinEdit(QStringLiteral("MyStartMoneyBox"), 0, kMaxMoney, kMoneyStep, kMoneyHint);
    lists_.techList = MakeTechList(QStringLiteral("MyTechBox"), PlayerTechDisplayOrder());
    lists_.allTechBox = MakeCheckBox(QStringLiteral("CheckBox1"), QStringLiteral("All technology"));
    lists_.allyList = MakeAllyList(QStringLiteral("MyAllyListBox"), 1,
                                   QStringLiteral("Does the player have any friends?"));
    lists_.owner = 1;
    connect(lists_.allTechBox, &QCheckBox::toggled, this,
            [this] { ClickAllTech(*lists_.allTechBox, *lists_.techList); });

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Money:")));
    left->addWidget(MyStartMoneyBox);
    left->addWidget(new QLabel(QStringLiteral("Allies:")));
    left->addWidget(lists_.allyList);
    left->addStretch();
    LayOutTab(this, left, lists_);
}

void TPlayerTab::ResetToDefaults() {
    MyStartMoneyBox->setValue(0);
    UncheckAll(*lists_.allyList);
    UncheckAll(*lists_.techList);
    lists_.allTechBox->setChecked(false);
}

std::string TPlayerTab::Money() const {
    return std::to_string(MyStartMoneyBox->Settle());
}

TOpponentTab::TOpponentTab(int side) : side_(side) {
    EnableAI = MakeCheckBox(Numbered("EnableAI", side), QStringLiteral("Enable this AI"));
    NameBox = MakeLineEdit(Numbered("AI", side, "NameBox"),
                           QString::fromStdString(MissionSettings::DefaultOpponentName(side)),
                           QStringLiteral("What's his name?"));
    StartMoneyBox =
        MakeSpinEdit(Numbered("AI", side, "StartMoneyBox"), 0, kMaxMoney, kMoneyStep, kMoneyHint);
    AdvancedButton = new QPushButton(QStringLiteral("Advanced"));
    AdvancedButton->setObjectName(Numbered("AdvancedButton", side));
    lists_.techList = MakeTechList(Numbered("AI", side, "TechBox"), TableOrder());
    lists_.allTechBox = MakeCheckBox(Numbered("CheckBox", side), QStringLiteral("All technology"));
    lists_.allyList = MakeAllyList(Numbered("AI", side, "AllyListBox"), side,
                                   QStringLiteral("Does the AI have any friends?"));
    lists_.owner = side;

    connect(EnableAI, &QCheckBox::toggled, this, [this](bool on) {
        EnableOrDisableAll();
        emit EnabledChanged(side_, on);
    });
    connect(lists_.allTechBox, &QCheckBox::toggled, this,
            [this] { ClickAllTech(*lists_.allTechBox, *lists_.techList); });
    connect(AdvancedButton, &QPushButton::clicked, this, [this] { emit AdvancedRequested(side_); });

    auto* left = new QVBoxLayout;
    left->addWidget(EnableAI);
    left->addWidget(new QLabel(QStringLiteral("Name:")));
    left->addWidget(NameBox);
    left->addWidget(new QLabel(QStringLiteral("Money:")));
    left->addWidget(StartMoneyBox);
    left->addWidget(new QLabel(QStringLiteral("Allies:")));
    left->addWidget(lists_.allyList);
    left->addStretch();
    left->addWidget(AdvancedButton, 0, Qt::AlignLeft);
    LayOutTab(this, left, lists_);

    EnableOrDisableAll();
}

void TOpponentTab::EnableOrDisableAll() {
    const bool on = EnableAI->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(NameBox), static_cast<QWidget*>(StartMoneyBox),
          static_cast<QWidget*>(lists_.allyList), static_cast<QWidget*>(lists_.techList),
          static_cast<QWidget*>(AdvancedButton)})
        control->setEnabled(on);
    const QColor colour = on ? QColor(Qt::black) : QColor(128, 128, 128);
    SetTextColour(*lists_.techList, colour);
    SetTextColour(*lists_.allyList, colour);
}

void TOpponentTab::ResetToDefaults() {
    EnableAI->setChecked(false); // a checked box runs its handlers, as a click would
    NameBox->setText(QString::fromStdString(MissionSettings::DefaultOpponentName(side_)));
    StartMoneyBox->setValue(0);
    UncheckAll(*lists_.allyList);
    UncheckAll(*lists_.techList);
    lists_.allTechBox->setChecked(false);
}

std::string TOpponentTab::Name() const {
    return ToAnsi(NameBox->text());
}

std::string TOpponentTab::Money() const {
    return std::to_string(StartMoneyBox->Settle());
}
