#include "RegExOptions.h"

#include "RegExEntrypoints.h"

RegExOptions::RegExOptions()
{
    BoundRegExEntry<RegExOptionsHookFn>(RegExEntry::OptionsInit)(*this);
}

RegExOptions::~RegExOptions()
{
    if (auto* exit = BoundRegExEntryOrNull<RegExOptionsHookFn>(RegExEntry::OptionsExit)) {
        exit(*this);
    }
}

void RegExOptions::LineEndType(int type)
{
    BoundRegExEntry<RegExLineEndTypeSetFn>(RegExEntry::LineEndTypeSet)(*this, type);
    lineEndType_ = type;
}
