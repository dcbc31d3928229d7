#include "core/classes/linear_classes.h"

std::string Code39::HumanText(const std::string& code) const { return Code39HumanText(code, show_start_stop_); }
