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
    {u"1", u"26.965000", u"26.963651", u"26.966348"},
    {u"2", u"26.975000", u"26.973651", u"26.976348"},
    {u"3", u"26.985000", u"26.983650", u"26.986349"},
    {u"4", u"27.005000", u"27.003649", u"27.006350"},
    {u"5", u"27.015000", u"27.013649", u"27.016450"},
    {u"6", u"27.025000", u"27.023648", u"27.026351"},
    {u"7", u"27.035000", u"27.033648", u"27.036351"},
    {u"8", u"27.055000", u"27.053647", u"27.056352"},
    {u"9", u"27.065000", u"27.063646", u"27.066353"},
    {u"10", u"27.075000", u"27.073646", u"27.076353"},
    {u"11", u"27.085000", u"27.083645", u"27.086354"},
    {u"12", u"27.105000", u"27.103644", u"27.106355"},
    {u"13", u"27.115000", u"27.113644", u"27.116356"},
    {u"14", u"27.125000", u"27.123643", u"27.126356"},
    {u"15", u"27.135000", u"27.133643", u"27.136356"},
    {u"16", u"27.155000", u"27.153642", u"27.156357"},
    {u"17", u"27.165000", u"27.163641", u"27.166358"},
    {u"18", u"27.175000", u"27.173641", u"27.176359"},
    {u"19", u"27.185000", u"27.183640", u"27.186359"},
    {u"20", u"27.205000", u"27.203639", u"27.206360"},
    {u"21", u"27.215000", u"27.213639", u"27.216360"},
    {u"22", u"27.225000", u"27.223638", u"27.226361"},
    {u"23", u"27.255000", u"27.253637", u"27.256363"},
    {u"24", u"27.235000", u"27.233638", u"27.236362"},
    {u"25", u"27.245000", u"27.243637", u"27.246362"},
    {u"26", u"27.265000", u"27.263636", u"27.266364"},
    {u"27", u"27.275000", u"27.273636", u"27.276364"},
    {u"28", u"27.285000", u"27.283635", u"27.286365"},
    {u"29", u"27.295000", u"27.293635", u"27.296365"},
    {u"30", u"27.305000", u"27.303634", u"27.306366"},
    {u"31", u"27.315000", u"27.313634", u"27.316366"},
    {u"32", u"27.325000", u"27.323633", u"27.326366"},
    {u"33", u"27.335000", u"27.333633", u"27.336367"},
    {u"34", u"27.345000", u"27.343632", u"27.346368"},
    {u"35", u"27.355000", u"27.353632", u"27.356368"},
    {u"36", u"27.365000", u"27.363631", u"27.366369"},
    {u"37", u"27.375000", u"27.373631", u"27.376369"},
    {u"38", u"27.385000", u"27.383630", u"27.386369"},
    {u"39", u"27.395000", u"27.393639", u"27.396370"},
    {u"40", u"27.405000", u"27.403629", u"27.406370"},
};

const ColumnSpec<32> kColumns[] = {
    {u"Channel", 60},
    {u"Frequency (MHz)", 110},
    {u"Lower", 80},
    {u"Upper", 80},
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
