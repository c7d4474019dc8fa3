#pragma once

namespace plicora {

// Throws the UserError that the exception being handled means for the document being read or
// imposed: a UserError as it is; memory running out (or having run out) as memoryLimitMessage;
// qpdf's object numbers at their end as objectNumbersTooHighMessage; anything else qpdf throws
// as a damaged document, with qpdf's text in brackets. Call it in a catch block.
[[noreturn]] void throwDocumentError();

} // namespace plicora
