#include "page_form.h"

namespace plicora {
namespace {

// Filters that belong to the file's encryption rather than to the stream, which qpdf must undo.
bool hasCryptFilter(QPDFObjectHandle stream) {
    QPDFObjectHandle filter = stream.getDict().getKey("/Filter");
    if (filter.isNameAndEquals("/Crypt"))
        return true;
    if (filter.isArray())
        for (QPDFObjectHandle item : filter.getArrayAsVector())
            if (item.isNameAndEquals("/Crypt"))
                return true;
    return false;
}

// Gives a stream's data as stored in the file, still filtered.
class StoredData : public QPDFObjectHandle::StreamDataProvider {
public:
    explicit StoredData(QPDFObjectHandle stream) : stream_(stream) {}

protected:
    void provideStreamData(QPDFObjGen const&, Pipeline* pipeline) override {
        stream_.pipeStreamData(pipeline, 0, qpdf_dl_none);
    }

private:
    QPDFObjectHandle stream_;
};

} // namespace

QPDFObjectHandle pageForm(QPDFPageObjectHelper& page) {
    QPDFObjectHandle form = page.getFormXObjectForPage();
    QPDFObjectHandle contents = page.getObjectHandle().getKey("/Contents");
    if (contents.isArray() && contents.getArrayNItems() == 1)
        contents = contents.getArrayItem(0);
    if (!contents.isStream() || hasCryptFilter(contents))
        return form;
    // qpdf's form holds the page's contents decoded, to be compressed again when written: for a
    // single stream the stored data and its filters give the same form without that cost.
    QPDFObjectHandle dictionary = contents.getDict();
    form.replaceStreamData(std::make_shared<StoredData>(contents), dictionary.getKey("/Filter"),
                           dictionary.getKey("/DecodeParms"));
    return form;
}

} // namespace plicora
