// The radio frequency spectrum by ITU band number, from ELF to the band above EHF.
#include "reference/reference_table.h"

namespace {

struct RfBandRecord {
    WCHAR frequency[18];
    WCHAR bandNumber[4];
    WCHAR classification[40];
    WCHAR abbreviation[6];
};

// Band 12 is shown without a name, hence the dashes. "Classification" and "Abbreviation"
// hold names, not numbers, so they sort alphabetically.
const RfBandRecord kRecords[] = {
    {TEXT("30 - 300 Hz"), TEXT("2"), TEXT("Extremely Low Frequencies"), TEXT("ELF")},
    {TEXT("300 - 3000 Hz"), TEXT("3"), TEXT("Voice Frequencies"), TEXT("VF")},
    {TEXT("3 - 30 kHz"), TEXT("4"), TEXT("Very Low Frequencies"), TEXT("VLF")},
    {TEXT("30 - 300 kHz"), TEXT("5"), TEXT("Low Frequencies"), TEXT("LF")},
    {TEXT("300 - 3000 kHz"), TEXT("6"), TEXT("Medium Frequencies"), TEXT("MF")},
    {TEXT("3 - 30 MHz"), TEXT("7"), TEXT("High Frequencies"), TEXT("HF")},
    {TEXT("30 - 300 MHz"), TEXT("8"), TEXT("Very High Frequencies"), TEXT("VHF")},
    {TEXT("300 - 3000 MHz"), TEXT("9"), TEXT("Ultra High Frequencies"), TEXT("UHF")},
    {TEXT("3 - 30 GHz"), TEXT("10"), TEXT("Super High Frequencies"), TEXT("SHF")},
    {TEXT("30 - 300 GHz"), TEXT("11"), TEXT("Extremely High Frequencies"), TEXT("EHF")},
    {TEXT("300 GHz - 3 THz"), TEXT("12"), TEXT("----------"), TEXT("---")},
};

const ColumnSpec<16> kColumns[] = {
    {TEXT("Frequency"), 100},
    {TEXT("Band No."), 70},
    {TEXT("Classification"), 170},
    {TEXT("Abbreviation"), 80},
};

SortState sort;

}  // namespace

constinit const SortableTable RadioSpectrumTable =
    DescribeTable(kRecords, kColumns,
                  {FieldOf(RfBandRecord, frequency),
                   FieldOf(RfBandRecord, bandNumber),
                   FieldOf(RfBandRecord, classification),
                   FieldOf(RfBandRecord, abbreviation)},
                  {ColumnKind::Number, ColumnKind::Number, ColumnKind::Text, ColumnKind::Text},
                  &sort);
