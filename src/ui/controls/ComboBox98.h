// A combo box that completes the text being typed from its own items: the rest of the first
// matching item is appended and selected, so the next keystroke keeps or replaces it.
#pragma once

#include <QComboBox>
#include <cstdint>
#include <functional>

class TComboBox98 : public QComboBox {
    Q_OBJECT
public:
    // Called before a completion is applied; may change what is appended, or cancel it.
    using TOnComplete = std::function<void(TComboBox98* Sender, std::uint16_t Key,
                                           QString& CompleteWith, bool& DoComplete)>;

    explicit TComboBox98(QWidget* parent = nullptr);

    bool Complete() const { return complete_; }
    void SetComplete(bool on) { complete_ = on; }
    std::uint16_t MinLengthComplete() const { return minLengthComplete_; }
    void SetMinLengthComplete(std::uint16_t length) { minLengthComplete_ = length; }
    void SetOnComplete(TOnComplete handler) { onComplete_ = std::move(handler); }

    // The key code of the most recent key pressed in the control, 0 before the first.
    std::uint16_t LastKey() const { return lastKey_; }

signals:
    // The owner's change event: every change of the text, with the text before completion.
    // Applying a completion raises none.
    void Changed(const QString& text);
    // A completion was applied: the box now shows `text`, an item's whole text.
    void Completed(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchLineEdit();
    void Change(const QString& text);
    void Picked(int index);
    void ApplyCompletion();
    void RecordKey(const QKeyEvent& event);

    bool complete_ = true;
    std::uint16_t lastKey_ = 0;
    std::uint16_t minLengthComplete_ = 0;
    TOnComplete onComplete_;
    QObject* watchedLineEdit_ = nullptr;
    QString reportedText_; // the text of the last change event the owner saw
};
