// Citizens band channels 1 to 40: the channel frequency in MHz and the lower and upper
// edge of the channel.
#include "reference/reference_table.h"

namespace {

struct CbChannelRecord {
    WCHAR channel[4];
    WCHAR frequency[12];
    WCHAR lower[12];
    WCHAR upper[12];
};

// In channel order; channel 23 lies above 24 and 25 in frequency, as in the band plan.
// The edges are about 0.005 percent either side of the channel frequency, with the last
// digits as they have always been shown (channel 5's upper "27.016450" and channel
// 39's lower "27.393639" included). Every frequency has the same form (two digits,
// point, six digits), so that sorting it as text sorts it by frequency.
const CbChannelRecord kRecords[] = {
    {TEXT("1"), TEXT("26.965000"), TEXT("26.963651"), TEXT("26.966348")},
    {TEXT("2"), TEXT("26.975000"), TEXT("26.973651"), TEXT("26.976348")},
    {TEXT("3"), TEXT("26.985000"), TEXT("26.983650"), TEXT("26.986349")},
    {TEXT("4"), TEXT("27.005000"), TEXT("27.003649"), TEXT("27.006350")},
    {TEXT("5"), TEXT("27.015000"), TEXT("27.013649"), TEXT("27.016450")},
    {TEXT("6"), TEXT("27.025000"), TEXT("27.023648"), TEXT("27.026351")},
    {TEXT("7"), TEXT("27.035000"), TEXT("27.033648"), TEXT("27.036351")},
    {TEXT("8"), TEXT("27.055000"), TEXT("27.053647"), TEXT("27.056352")},
    {TEXT("9"), TEXT("27.065000"), TEXT("27.063646"), TEXT("27.066353")},
    {TEXT("10"), TEXT("27.075000"), TEXT("27.073646"), TEXT("27.076353")},
    {TEXT("11"), TEXT("27.085000"), TEXT("27.083645"), TEXT("27.086354")},
    {TEXT("12"), TEXT("27.105000"), TEXT("27.103644"), TEXT("27.106355")},
    {TEXT("13"), TEXT("27.115000"), TEXT("27.113644"), TEXT("27.116356")},
    {TEXT("14"), TEXT("27.125000"), TEXT("27.123643"), TEXT("27.126356")},
    {TEXT("15"), TEXT("27.135000"), TEXT("27.133643"), TEXT("27.136356")},
    {TEXT("16"), TEXT("27.155000"), TEXT("27.153642"), TEXT("27.156357")},
    {TEXT("17"), TEXT("27.165000"), TEXT("27.163641"), TEXT("27.166358")},
    {TEXT("18"), TEXT("27.175000"), TEXT("27.173641"), TEXT("27.176359")},
    {TEXT("19"), TEXT("27.185000"), TEXT("27.183640"), TEXT("27.186359")},
    {TEXT("20"), TEXT("27.205000"), TEXT("27.203639"), TEXT("27.206360")},
    {TEXT("21"), TEXT("27.215000"), TEXT("27.213639"), TEXT("27.216360")},
    {TEXT("22"), TEXT("27.225000"), TEXT("27.223638"), TEXT("27.226361")},
    {TEXT("23"), TEXT("27.255000"), TEXT("27.253637"), TEXT("27.256363")},
    {TEXT("24"), TEXT("27.235000"), TEXT("27.233638"), TEXT("27.236362")},
    {TEXT("25"), TEXT("27.245000"), TEXT("27.243637"), TEXT("27.246362")},
    {TEXT("26"), TEXT("27.265000"), TEXT("27.263636"), TEXT("27.266364")},
    {TEXT("27"), TEXT("27.275000"), TEXT("27.273636"), TEXT("27.276364")},
    {TEXT("28"), TEXT("27.285000"), TEXT("27.283635"), TEXT("27.286365")},
    {TEXT("29"), TEXT("27.295000"), TEXT("27.293635"), TEXT("27.296365")},
    {TEXT("30"), TEXT("27.305000"), TEXT("27.303634"), TEXT("27.306366")},
    {TEXT("31"), TEXT("27.315000"), TEXT("27.313634"), TEXT("27.316366")},
    {TEXT("32"), TEXT("27.325000"), TEXT("27.323633"), TEXT("27.326366")},
    {TEXT("33"), TEXT("27.335000"), TEXT("27.333633"), TEXT("27.336367")},
    {TEXT("34"), TEXT("27.345000"), TEXT("27.343632"), TEXT("27.346368")},
    {TEXT("35"), TEXT("27.355000"), TEXT("27.353632"), TEXT("27.356368")},
    {TEXT("36"), TEXT("27.365000"), TEXT("27.363631"), TEXT("27.366369")},
    {TEXT("37"), TEXT("27.375000"), TEXT("27.373631"), TEXT("27.376369")},
    {TEXT("38"), TEXT("27.385000"), TEXT("27.383630"), TEXT("27.386369")},
    {TEXT("39"), TEXT("27.395000"), TEXT("27.393639"), TEXT("27.396370")},
    {TEXT("40"), TEXT("27.405000"), TEXT("27.403629"), TEXT("27.406370")},
};

const ColumnSpec<32> kColumns[] = {
    {TEXT("Channel"), 60},
    {TEXT("Frequency (MHz)"), 110},
    {TEXT("Lower"), 80},
    {TEXT("Upper"), 80},
};

SortState sort;

}  // namespace

constinit const SortableTable CitizensBandTable =
    DescribeTable(kRecords, kColumns,
                  {FieldOf(CbChannelRecord, channel),
                   FieldOf(CbChannelRecord, frequency),
                   FieldOf(CbChannelRecord, lower),
                   FieldOf(CbChannelRecord, upper)},
                  {ColumnKind::Number, ColumnKind::Text, ColumnKind::Number, ColumnKind::Number},
                  &sort);
