#pragma once
class QWidget;

// Checks what a user would see on one page at the window's designed size: every control lies
// inside the page, none is smaller than it needs (so no text is cut off), and no two overlap.
// Composite controls (spin boxes, combo boxes, lists, the chart) count as one.
void expectNothingCutOffOrOverlapping(QWidget* page);
