#include "document_error.h"

#include "core/user_error.h"
#include "imposition_messages.h"
#include "memory_limit.h"

#include <exception>
#include <new>
#include <string>

namespace plicora {

void throwDocumentError() {
    try {
        throw;
    } catch (const UserError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw UserError(memoryLimitMessage(engineMemoryLimit));
    } catch (const std::exception& error) {
        // qpdf may have taken a failed allocation for damage in what it read.
        if (memoryRanOut())
            throw UserError(memoryLimitMessage(engineMemoryLimit));
        const std::string what = error.what();
        if (what.find("max object id") != std::string::npos)
            throw UserError(objectNumbersTooHighMessage);
        throw UserError(damagedPdfText(what));
    }
}

} // namespace plicora
