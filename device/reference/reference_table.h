// The sortable reference tables: fixed tables of text records shown in a list view,
// sorted by a tap on a column header. Seven screens share this one mechanism and differ
// only in their data.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>

enum class ColumnKind { Text, Number };

// A column's header text (a fixed-width field) and its width in pixels.
template <size_t HeaderWidth>
struct ColumnSpec {
    WCHAR header[HeaderWidth];
    int32_t width;
};

// One per screen, for the whole run: the order the rows were last put in.
struct SortState {
    int32_t lastColumn = 0;
    bool ascending = true;
};

constexpr int kMaxColumns = 8;

// A ReferenceTable (a row count and its records of fixed-width text fields) with the
// screen's columns, seen through offsets so that one mechanism reads every table.
struct SortableTable {
    const void* records;
    int32_t rowCount;
    size_t recordSize;
    int columnCount;
    uint16_t fieldOffsets[kMaxColumns];  // bytes from the start of a record
    int fieldWidths[kMaxColumns];        // characters, terminator included
    const void* columns;
    size_t columnSize;
    size_t columnWidthOffset;
    ColumnKind kinds[kMaxColumns];
    SortState* sort;

    const void* Record(int row) const { return static_cast<const char*>(records) + size_t(row) * recordSize; }
    LPCWSTR Field(const void* record, int column) const {
        return reinterpret_cast<LPCWSTR>(static_cast<const char*>(record) + fieldOffsets[column]);
    }
    LPCWSTR Header(int column) const {
        return reinterpret_cast<LPCWSTR>(static_cast<const char*>(columns) + size_t(column) * columnSize);
    }
    int32_t Width(int column) const {
        const char* at = static_cast<const char*>(columns) + size_t(column) * columnSize + columnWidthOffset;
        return *reinterpret_cast<const int32_t*>(at);
    }
};

// Builds the view of a table. `fields` gives each record field's offset and width in
// column order (use FieldOf).
struct FieldLayout {
    uint16_t offset;
    int width;
};
#define FieldOf(Record, member) FieldLayout{uint16_t(offsetof(Record, member)), int(sizeof(Record::member) / sizeof(WCHAR))}

template <class Record, size_t Rows, size_t HeaderWidth, size_t Columns>
constexpr SortableTable DescribeTable(const Record (&records)[Rows], const ColumnSpec<HeaderWidth> (&columns)[Columns],
                            std::initializer_list<FieldLayout> fields, std::initializer_list<ColumnKind> kinds,
                            SortState* sort) {
    static_assert(Columns <= kMaxColumns);
    SortableTable t{records, int32_t(Rows), sizeof(Record), int(Columns), {}, {}, columns, sizeof(ColumnSpec<HeaderWidth>),
                    offsetof(ColumnSpec<HeaderWidth>, width), {}, sort};
    int i = 0;
    for (const FieldLayout& f : fields) {
        t.fieldOffsets[i] = f.offset;
        t.fieldWidths[i++] = f.width;
    }
    i = 0;
    for (ColumnKind k : kinds) t.kinds[i++] = k;
    return t;
}

// The program-wide direction the running sort uses (written just before a sort).
extern bool SortDirection;

// The value of the decimal number a text begins with (0 when it begins with none).
double NumberKey(LPCWSTR text);
// Orders two records by a column of the table; negative when a belongs before b.
int CompareRows(const SortableTable& table, const void* a, const void* b, int column);

// The whole handling of a table screen: the common screen rules, the fill at
// initialisation and the sort on a header tap.
INT_PTR SortableTableMessage(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, const SortableTable& table);

// The seven tables, and the handlers of their screens.
extern const SortableTable DielectricTable;
extern const SortableTable MetalsTable;
extern const SortableTable CitizensBandTable;
extern const SortableTable TvChannelsTable;
extern const SortableTable CopperWireTable;
extern const SortableTable KFactorsTable;
extern const SortableTable RadioSpectrumTable;
