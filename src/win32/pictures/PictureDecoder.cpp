#include "PictureDecoder.h"

#include "ComOnThread.h"
#include "GdiPicture.h"
#include "PictureFit.h"
#include "PictureLimits.h"
#include "WicSourceTransform.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <optional>

using Microsoft::WRL::ComPtr;

namespace {

// The first frame of the file, and its own size.
struct Frame {
    ComPtr<IWICBitmapFrameDecode> source;
    tk::PixelSize size;
};

std::optional<Frame> firstFrame(IWICImagingFactory& factory, IWICStream& stream)
{
    ComPtr<IWICBitmapDecoder> decoder;
    Frame frame;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(factory.CreateDecoderFromStream(&stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                               &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame.source)) ||
        FAILED(frame.source->GetSize(&width, &height)))
        return std::nullopt;
    frame.size = {static_cast<int>(std::min<UINT>(width, INT_MAX)),
                  static_cast<int>(std::min<UINT>(height, INT_MAX))};
    return frame;
}

// The smallest size not under `shown` at which the frame's decoder decodes it, where the
// decoder offers any smaller than the whole: Windows' JPEG decoder does, at a half, a quarter
// and an eighth.
std::optional<tk::PixelSize> reducedSize(IWICBitmapSourceTransform& transform, const Frame& frame,
                                         tk::PixelSize shown)
{
    auto width = static_cast<UINT>(shown.width);
    auto height = static_cast<UINT>(shown.height);
    if (FAILED(transform.GetClosestSize(&width, &height)))
        return std::nullopt;
    const tk::PixelSize size{static_cast<int>(std::min<UINT>(width, INT_MAX)),
                             static_cast<int>(std::min<UINT>(height, INT_MAX))};
    if (size.width < shown.width || size.height < shown.height ||
        (size.width >= frame.size.width && size.height >= frame.size.height))
        return std::nullopt;
    return size;
}

// The frame decoded at a fraction of its size, which spares decoding and holding every pixel of
// a large photograph; null where its decoder offers no fraction that serves, as under Wine,
// whose decoders offer none.
ComPtr<IWICBitmapSource> reduced(IWICImagingFactory& factory, const Frame& frame,
                                 tk::PixelSize shown)
{
    ComPtr<IWICBitmapSourceTransform> transform;
    if (shown == frame.size || FAILED(frame.source.As(&transform)))
        return nullptr;
    const std::optional<tk::PixelSize> size = reducedSize(*transform.Get(), frame, shown);
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    if (!size || FAILED(transform->GetClosestPixelFormat(&format)))
        return nullptr;
    const auto width = static_cast<UINT>(size->width);
    const auto height = static_cast<UINT>(size->height);
    const WICRect whole{0, 0, size->width, size->height};
    ComPtr<IWICBitmap> bitmap;
    ComPtr<IWICBitmapLock> lock;
    UINT stride = 0;
    UINT bytes = 0;
    BYTE* data = nullptr;
    if (FAILED(factory.CreateBitmap(width, height, format, WICBitmapCacheOnLoad, &bitmap)) ||
        FAILED(bitmap->Lock(&whole, WICBitmapLockWrite, &lock)) ||
        FAILED(lock->GetStride(&stride)) || FAILED(lock->GetDataPointer(&bytes, &data)) ||
        FAILED(transform->CopyPixels(nullptr, width, height, &format, WICBitmapTransformRotate0,
                                     stride, bytes, data)))
        return nullptr;
    return bitmap;
}

// The frame at `shown` pixels: decoded at a fraction of its size where its decoder can, and
// brought the rest of the way by WIC's scaler.
ComPtr<IWICBitmapSource> scaled(IWICImagingFactory& factory, const Frame& frame,
                                tk::PixelSize shown)
{
    ComPtr<IWICBitmapSource> source = reduced(factory, frame, shown);
    if (!source)
        source = frame.source;
    if (shown == frame.size)
        return source;
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(factory.CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(source.Get(), static_cast<UINT>(shown.width),
                                  static_cast<UINT>(shown.height), WICBitmapInterpolationModeFant)))
        return nullptr;
    return scaler;
}

// The pixels of `source`, premultiplied in 32 bits, as far as `kept` reaches.
tk::PictureRef copied(IWICImagingFactory& factory, IWICBitmapSource& source, tk::PixelSize kept)
{
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory.CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(&source, GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)))
        return nullptr;
    auto picture = std::make_shared<GdiPicture>(kept);
    if (!picture->bits())
        return nullptr;
    const WICRect rect{0, 0, kept.width, kept.height};
    const auto stride = static_cast<UINT>(picture->stride());
    if (FAILED(converter->CopyPixels(&rect, stride, stride * static_cast<UINT>(kept.height),
                                     picture->bits())))
        return nullptr;
    picture->findTransparency();
    return picture;
}

} // namespace

tk::PictureRef PictureDecoder::decode(std::string_view wholeFile, tk::PixelSize fit,
                                      tk::PixelSize clip, double scale)
{
    const std::optional<PictureLimits::Allowance> allowance = PictureLimits::allowance(wholeFile);
    if (!allowance)
        return nullptr;
    const ComOnThread com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(
            reinterpret_cast<BYTE*>(const_cast<char*>(wholeFile.data())),
            static_cast<DWORD>(wholeFile.size()))))
        return nullptr;
    const std::optional<Frame> frame = firstFrame(*factory.Get(), *stream.Get());
    if (!frame)
        return nullptr;
    // A GIF's frames are drawn on its canvas, which counts however small the first frame is.
    PictureLimits::PixelSize decoded{frame->size.width, frame->size.height};
    if (allowance->canvas) {
        decoded.width = std::max(decoded.width, allowance->canvas->width);
        decoded.height = std::max(decoded.height, allowance->canvas->height);
    }
    if (!PictureLimits::mayDecode(decoded, *allowance))
        return nullptr;
    const tk::PixelSize natural{static_cast<int>(std::lround(frame->size.width * scale)),
                                static_cast<int>(std::lround(frame->size.height * scale))};
    const tk::PixelSize shown = scene::PictureFit::shownSize(natural, fit);
    const ComPtr<IWICBitmapSource> source = scaled(*factory.Get(), *frame, shown);
    if (!source)
        return nullptr;
    const tk::PixelSize kept = clip.isEmpty() ? shown : shown.boundedTo(clip);
    return copied(*factory.Get(), *source.Get(), kept);
}
