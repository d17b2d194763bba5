#pragma once

struct CatalogueEntry;
class QWidget;

// Builds a fresh editor of the entry (a price-list editor, or the table-list
// editor for the table-list entry) owned by the opener, shows it modally and
// destroys it when it has closed. Each opening reads the list file afresh.
void OpenListEditor(QWidget* opener, const CatalogueEntry& entry);
