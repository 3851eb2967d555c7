// The basic op-amp circuits, in alphabetical order of name: the order their sorted list
// shows them in, so a list position is an index into this table.
#include "reference/picture_tables.h"

const int CircuitCount = 6;

const CircuitRecord CircuitTable[] = {
    {TEXT("Adding, Subtracting And Scaling Amplifier"), 248},
    {TEXT("Differential Input Amplifier"), 244},
    {TEXT("Differentiating Input Amplifier"), 245},
    {TEXT("Inverting Amplifier"), 246},
    {TEXT("Non-Inverting Amplifier"), 247},
    {TEXT("Voltage Follower"), 243},
};
static_assert(sizeof CircuitTable / sizeof CircuitTable[0] == 6);
