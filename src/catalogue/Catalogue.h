#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The twelve course categories, in the order every window lists them.
enum class CourseCategory {
    Aperitivi,
    Antipasti,
    Primi,
    Carne,
    Pesce,
    Contorni,
    Pizze,
    Dessert,
    Bevande,
    Vini,
    Liquori,
    Caffetteria
};

constexpr int CourseCategoryCount = 12;

// What an entry keeps: a price list (name and price per line) or the table
// list (a name per line, no prices).
enum class EntryKind { PriceList, TableList };

// What differs between the twelve price lists and the table list: files,
// window classes and titles, the editor's texts, the printed title, the
// controls that open the windows and the order window's hint.
struct CatalogueEntry {
    EntryKind Kind;
    QString Key;
    QString ListFileName;
    QString EditorClass;
    QString EditorTitle;
    QString NameLabel; // none for the table list
    QString RemoveHint;
    QString NoNameWarning;
    QString NoPriceWarning; // none for the table list
    QString PrintTitle;
    QString ImportDialogClass;
    QString ImportDialogTitle;
    // The words of the import dialog's banner ("IMPORTAZIONE SECONDI-CARNE").
    QString ImportBannerText;

    // Price-lists menu: the controls that open the editor, and the name of
    // their click handler.
    QStringList MenuControls;
    QString MenuClickHandler;

    // Order window: the controls that open the import dialog, their click and
    // pointer-move handlers, and the hint the pointer shows.
    QStringList OrderControls;
    QString OrderClickHandler;
    QString OrderMoveHandler;
    QString OrderHint;

    // The caption under the category's picture (empty for the table list).
    QString TileCaption;

    // Words of the editor's banner and its two instruction lines.
    QString BannerText;
    QStringList InstructionText;
};

// The entry of one category.
const CatalogueEntry& CatalogueEntryOf(CourseCategory category);

// The twelve category entries, in CourseCategory order.
const QVector<CatalogueEntry>& CategoryEntries();

// The table-list entry (Key "Tavoli").
const CatalogueEntry& TableListEntry();

// All thirteen entries: the twelve categories, then the table list.
QVector<CatalogueEntry> CategoryCatalogue();

// The list file of an entry in the program folder.
QString ListFilePath(const CatalogueEntry& entry);
