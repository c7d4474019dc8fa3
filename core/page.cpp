#include "page.h"

#include "core_messages.h"
#include "user_error.h"

namespace plicora {

Page checkedPage(int value) {
    if (value < pageMin || value > pageMax)
        throw UserError(overflowMessage());
    return static_cast<Page>(value);
}

} // namespace plicora
