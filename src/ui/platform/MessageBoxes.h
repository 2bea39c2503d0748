// Standard message boxes with the program's title, centred over the window that asks (over the
// window in use when that one is no longer shown).
#pragma once

#include "core/saving/SaveProcedure.h"

#include <QString>

class QWidget;

namespace vornask {

void ShowInformation(QWidget* parent, const QString& text);
void ShowWarning(QWidget* parent, const QString& text);
void ShowError(QWidget* parent, const QString& text);
// A question with Yes and No (and Cancel), "No" the default unless `defaultAnswer` says Yes.
Answer AskQuestion(QWidget* parent, const QString& text, bool withCancel,
                   Answer defaultAnswer = Answer::No);

} // namespace vornask
