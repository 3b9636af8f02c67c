#pragma once

#include <string>

// The Key of the provider or pharmacy that the View Provider / View Pharmacy
// button opens: set by the record viewer whenever it shows the button, read
// by the provider viewer. Only meaningful while the button is shown.
extern std::string ViewProviderKey;
