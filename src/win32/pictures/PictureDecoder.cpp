#include "PictureDecoder.h"

#include "GdiPicture.h"
#include "PictureFit.h"
#include "PictureLimits.h"

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

// The frame at `shown` pixels, through WIC's scaler when that differs from its own size.
ComPtr<IWICBitmapSource> scaled(IWICImagingFactory& factory, const Frame& frame,
                                tk::PixelSize shown)
{
    ComPtr<IWICBitmapSource> source = frame.source;
    if (shown == frame.size)
        return source;
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(factory.CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(frame.source.Get(), static_cast<UINT>(shown.width),
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
