#include "context/no_profile.h"

#include "platform/prompter.h"

namespace vantorelle {

void tellNoProfileYet(const QString &title)
{
    prompter().ask(title, QStringLiteral("There is no profile yet.  Please save a profile first."));
}

} // namespace vantorelle
