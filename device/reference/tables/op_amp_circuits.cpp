// The basic op-amp circuits, in alphabetical order of name: the order their sorted list
// shows them in, so a list position is an index into this table.
#include "reference/picture_tables.h"

const int CircuitCount = 6;

const CircuitRecord CircuitTable[] = {
    {u"Adding, Subtracting And Scaling Amplifier", 248},
    {u"Differential Input Amplifier", 244},
    {u"Differentiating Input Amplifier", 245},
    {u"Inverting Amplifier", 246},
    {u"Non-Inverting Amplifier", 247},
    {u"Voltage Follower", 243},
};
static_assert(sizeof CircuitTable / sizeof CircuitTable[0] == 6);
