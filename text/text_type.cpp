#include "text/text_type.h"

namespace kinovra {

Text::Text(std::string_view bytes)
    : bytes_(bytes.substr(0, bytes.find('\0')))
{ }

void Text::EndAtZero()
{
    if (const auto zero = bytes_.find('\0'); zero != std::string::npos)
        bytes_.resize(zero);
}

} // namespace kinovra
