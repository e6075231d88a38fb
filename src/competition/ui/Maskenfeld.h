#pragma once
// Line edits with an input mask (dates, throw counts) as the operator types
// into them: typing fills the mask from its first open position wherever a
// click put the caret, and a character that does not fit is refused with a
// message instead of vanishing.

class QLineEdit;

// Gives the edit (which has its mask already) that behaviour.
void MaskenfeldEinrichten(QLineEdit* e);
