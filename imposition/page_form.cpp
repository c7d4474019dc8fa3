#include "page_form.h"

#include "core/user_error.h"
#include "imposition_messages.h"
#include "page_geometry.h"

#include <qpdf/Pipeline.hh>
#include <qpdf/Pl_Discard.hh>
#include <qpdf/Pl_Flate.hh>

#include <algorithm>
#include <array>
#include <stdexcept>

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

// Passes data on but not the end of it, so that several streams can be piped into one.
class Unfinished : public Pipeline {
public:
    explicit Unfinished(Pipeline* next) : Pipeline("joined content streams", next) {}
    void write(unsigned char const* data, size_t length) override {
        getNext()->write(data, length);
    }
    void finish() override {}
};

// Passes data on and a copy to `copy`, which alone it finishes.
class Tee : public Pipeline {
public:
    Tee(Pipeline* next, Pipeline* copy) : Pipeline("content and its check", next), copy_(copy) {}
    void write(unsigned char const* data, size_t length) override {
        getNext()->write(data, length);
        copy_->write(data, length);
    }
    void finish() override { copy_->finish(); }

private:
    Pipeline* copy_;
};

// The data of a page's content streams for its form, written out only when the booklet is.
// A stream qpdf can't read records the page in `failure` and stops the writing.
class ContentData : public QPDFObjectHandle::StreamDataProvider {
public:
    // `decode`: whether the streams are decoded and joined, or one stream passed on as stored.
    ContentData(std::vector<QPDFObjectHandle> streams, bool decode, int page,
                std::shared_ptr<ContentFailure> failure)
        : streams_(std::move(streams)), decode_(decode), page_(page), failure_(std::move(failure)) {
    }

protected:
    void provideStreamData(QPDFObjGen const&, Pipeline* pipeline) override {
        Unfinished joined(pipeline);
        bool first = true;
        for (QPDFObjectHandle& stream : streams_) {
            // Streams may be split between any two tokens: a line end keeps them apart.
            if (!first)
                joined.writeCStr("\n");
            first = false;
            if (decode_)
                pipeDecoded(stream, joined);
            else
                pipeStored(stream, joined);
        }
        pipeline->finish();
    }

private:
    // Decoding must be both possible and successful, or the data joined would be noise.
    void pipeDecoded(QPDFObjectHandle& stream, Pipeline& to) {
        bool decoded = false;
        if (!stream.pipeStreamData(&to, &decoded, 0, qpdf_dl_specialized, true) || !decoded)
            fail();
    }

    // The stored data must decode too, or a viewer would draw the page blank. Deflated data, as
    // nearly every page's is, is inflated to nowhere on its way, so that it is read once; data
    // under other filters is decoded to nowhere first.
    void pipeStored(QPDFObjectHandle& stream, Pipeline& to) {
        Pl_Discard nowhere;
        QPDFObjectHandle filter = stream.getDict().getKey("/Filter");
        const bool deflated = filter.isNameAndEquals("/FlateDecode") &&
                              stream.getDict().getKey("/DecodeParms").isNull();
        if (!deflated && !filter.isNull())
            pipeDecoded(stream, nowhere);
        Pl_Flate inflated("content check", &nowhere, Pl_Flate::a_inflate);
        Tee both(&to, &inflated);
        if (!stream.pipeStreamData(deflated ? &both : &to, nullptr, 0, qpdf_dl_none, true))
            fail();
    }

    [[noreturn]] void fail() {
        if (failure_->page == 0)
            failure_->page = page_;
        throw std::runtime_error("unreadable content stream");
    }

    std::vector<QPDFObjectHandle> streams_;
    bool decode_;
    int page_;
    std::shared_ptr<ContentFailure> failure_;
};

// The streams that draw `page`, in order; throws UserError when /Contents is neither absent,
// a stream nor an array of streams.
std::vector<QPDFObjectHandle> contentStreams(QPDFObjectHandle page, int number) {
    QPDFObjectHandle contents = page.getKey("/Contents");
    if (contents.isNull())
        return {}; // a page with nothing drawn on it
    if (contents.isStream())
        return {contents};
    if (!contents.isArray())
        throw UserError(unreadablePageMessage(number));
    std::vector<QPDFObjectHandle> streams = contents.getArrayAsVector();
    for (QPDFObjectHandle& stream : streams)
        if (!stream.isStream())
            throw UserError(unreadablePageMessage(number));
    return streams;
}

// A coordinate as the writer keeps it: whole numbers as integers, which cost far less than reals
// (qpdf keeps a real as its text, made when the object is).
QPDFObjectHandle coordinate(double value) {
    const auto whole = static_cast<long long>(value);
    return static_cast<double>(whole) == value ? QPDFObjectHandle::newInteger(whole)
                                               : QPDFObjectHandle::newReal(value);
}

// The matrix that turns a page's content as /Rotate turns it; placing moves it into its cell.
std::array<int, 6> rotation(int rotate) {
    switch (rotate) {
    case 90:
        return {0, -1, 1, 0, 0, 0};
    case 180:
        return {-1, 0, 0, -1, 0, 0};
    case 270:
        return {0, 1, -1, 0, 0, 0};
    default:
        return {1, 0, 0, 1, 0, 0};
    }
}

// `box` as `matrix` turns it: the smallest upright rectangle around its turned corners.
QPDFObjectHandle::Rectangle turned(const QPDFObjectHandle::Rectangle& box,
                                   const std::array<int, 6>& matrix) {
    const auto [a, b, c, d, e, f] = matrix;
    double left = 0, bottom = 0, right = 0, top = 0;
    bool first = true;
    for (const double x : {box.llx, box.urx})
        for (const double y : {box.lly, box.ury}) {
            const double tx = a * x + c * y + e, ty = b * x + d * y + f;
            left = first ? tx : std::min(left, tx);
            right = first ? tx : std::max(right, tx);
            bottom = first ? ty : std::min(bottom, ty);
            top = first ? ty : std::max(top, ty);
            first = false;
        }
    return {left, bottom, right, top};
}

} // namespace

PageForm pageForm(QPDFPageObjectHelper& page, int number, std::vector<std::string>& warnings,
                  const std::shared_ptr<ContentFailure>& failure) {
    QPDFObjectHandle pageObject = page.getObjectHandle();
    // A page qpdf could not parse (nested too deep, a number out of range) is read as null: it
    // would come out blank.
    if (!pageObject.isDictionary())
        throw UserError(unreadablePageMessage(number));
    std::vector<QPDFObjectHandle> streams = contentStreams(pageObject, number);
    const PageGeometry geometry = pageGeometry(page, number, warnings);

    QPDFObjectHandle form = QPDFObjectHandle::newStream(pageObject.getOwningQPDF());
    QPDFObjectHandle dictionary = form.getDict();
    dictionary.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
    const QPDFObjectHandle::Rectangle& box = geometry.box;
    dictionary.replaceKey("/BBox",
                          QPDFObjectHandle::newArray({coordinate(box.llx), coordinate(box.lly),
                                                      coordinate(box.urx), coordinate(box.ury)}));
    const std::array<int, 6> matrix = rotation(geometry.rotate);
    if (geometry.rotate != 0) { // the identity is the default
        QPDFObjectHandle matrixArray = QPDFObjectHandle::newArray();
        for (const int element : matrix)
            matrixArray.appendItem(QPDFObjectHandle::newInteger(element));
        dictionary.replaceKey("/Matrix", matrixArray);
    }
    QPDFObjectHandle resources = page.getAttribute("/Resources", false);
    // Shared with the page, never changed: the writer writes it where it is used.
    dictionary.replaceKey("/Resources",
                          resources.isDictionary() ? resources : QPDFObjectHandle::newDictionary());
    // A transparency group changes how the page blends, so the form keeps it.
    QPDFObjectHandle group = pageObject.getKey("/Group");
    if (group.isDictionary())
        dictionary.replaceKey("/Group", group);

    if (streams.size() == 1 && !hasCryptFilter(streams.front())) {
        // The stored data and its filters draw the same as a decoded copy, without the cost.
        QPDFObjectHandle stored = streams.front().getDict();
        form.replaceStreamData(std::make_shared<ContentData>(streams, false, number, failure),
                               stored.getKey("/Filter"), stored.getKey("/DecodeParms"));
    } else {
        form.replaceStreamData(std::make_shared<ContentData>(streams, true, number, failure),
                               QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
    }
    return {form, turned(box, matrix)};
}

} // namespace plicora
