#pragma once
// Shows a field model's text in the widget that stands for the field. A text
// set by the program is shown from its start, as a form shows it; the user's
// own typing keeps its cursor.

#include <QString>
#include <QWidget>

void ZeigeFeldText(QWidget* w, const QString& text);
