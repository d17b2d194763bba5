#pragma once

class QWidget;

// For a field whose text is checked key by key and tidied when the focus
// leaves it: text dragged onto it is refused. A drop would insert text past
// the key rule, and since it gives the field no focus, the field is never
// left and its text never tidied. The drag finds no target there, and a drop
// delivered all the same inserts nothing.
void RefuseDrops(QWidget* field);
