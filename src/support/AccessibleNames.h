#pragma once

class QLabel;
class QWidget;

// The label names its control for screen readers: it becomes the control's
// buddy, and the control is named by the label's text without its colon.
void NameByLabel(QLabel* label, QWidget* control);
