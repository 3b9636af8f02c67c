#include "store/preference_globals.h"

PreferenceGlobals &preferenceGlobals()
{
    static PreferenceGlobals globals;
    return globals;
}
