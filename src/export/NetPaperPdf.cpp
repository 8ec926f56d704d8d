// SPDX-License-Identifier: GPL-3.0-or-later
// Net pages drawn by cairo: into a PDF (one page each, at its own size) and into an image
// for a printer. One routine, DrawPage, draws both, in millimetres.

#include "export/NetPaper.h"
#include "export/NetPaperLook.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cassert>
#include <cmath>
#include <memory>
#include <new>

namespace {

constexpr double MmPerInch = 25.4;
constexpr double PointsPerMm = 72.0 / MmPerInch;

struct TSurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct TContextRelease {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using TSurface = std::unique_ptr<cairo_surface_t, TSurfaceRelease>;
using TContext = std::unique_ptr<cairo_t, TContextRelease>;

TResult CairoFailure(const char* what, cairo_status_t status)
{
    return TResult::Failure(std::string(what) + ": " + cairo_status_to_string(status));
}

void SetColour(cairo_t* cr, TColour colour)
{
    cairo_set_source_rgb(cr, RedOf(colour) / 255.0, GreenOf(colour) / 255.0, BlueOf(colour) / 255.0);
}

void FillPolygon(cairo_t* cr, const TDrawnPolygon& polygon, TColour colour)
{
    if (polygon.Corners.size() < 3)
        return;
    cairo_new_path(cr);
    for (const TPoint2 corner : polygon.Corners)
        cairo_line_to(cr, corner.X, corner.Y);  // the first line_to of a path moves there
    cairo_close_path(cr);
    SetColour(cr, colour);
    cairo_fill(cr);
}

// All the lines of one kind as one path: each segment is a sub-path of its own, so each
// starts its dashes afresh, as each <line> of the SVG does.
void StrokeLines(cairo_t* cr, const std::vector<TDrawnLine>& lines, TNetStroke kind)
{
    const TStrokeLook& look = StrokeLook(kind);
    cairo_new_path(cr);
    bool any = false;
    for (const TDrawnLine& line : lines) {
        if (line.Kind != kind)
            continue;
        cairo_move_to(cr, line.From.X, line.From.Y);
        cairo_line_to(cr, line.To.X, line.To.Y);
        any = true;
    }
    if (!any)
        return;
    SetColour(cr, look.Colour);
    cairo_set_line_width(cr, look.WidthMm);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_dash(cr, look.Dashes.data(), look.DashCount, 0.0);
    cairo_stroke(cr);
}

void ShowText(cairo_t* cr, const TDrawnText& text)
{
    if (text.Text.empty())
        return;
    cairo_save(cr);
    const cairo_font_weight_t weight =
        text.Role == TTextRole::Title ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL;
    cairo_select_font_face(cr, NetFontFamily, CAIRO_FONT_SLANT_NORMAL, weight);
    cairo_set_font_size(cr, text.SizeMm);
    cairo_translate(cr, text.At.X, text.At.Y);
    // y runs down the page, so cairo's positive angle turns clockwise to the eye.
    cairo_rotate(cr, -text.Turn);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.Text.c_str(), &extents);
    cairo_move_to(cr, -extents.x_advance / 2.0, 0.0);  // centred as SVG's text-anchor="middle" centres
    SetColour(cr, TextColour);
    cairo_show_text(cr, text.Text.c_str());
    cairo_restore(cr);
}

void DrawScaleBar(cairo_t* cr, const TNetPage& page)
{
    if (!HasScaleBar(page))
        return;
    cairo_new_path(cr);
    for (const TPoint2 point : ScaleBarPoints(page))
        cairo_line_to(cr, point.X, point.Y);
    SetColour(cr, TextColour);
    cairo_set_line_width(cr, ScaleBarWidthMm);
    // Butt ends, so that the bar is exactly as long as it says.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_dash(cr, nullptr, 0, 0.0);
    cairo_stroke(cr);
    ShowText(cr, ScaleBarText(page));
}

// The page in millimetres, on a context whose user space is already millimetres.
void DrawPage(cairo_t* cr, const TNetPage& page)
{
    // Unhinted metrics: a text is as wide at 100 dpi as in the PDF, so it is centred alike.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);

    for (const TDrawnPolygon& face : page.Faces)
        FillPolygon(cr, face, face.Fill);
    for (const TDrawnPolygon& tab : page.Tabs)
        FillPolygon(cr, tab, TabFill);
    for (const TNetStroke kind : StrokeOrder)
        StrokeLines(cr, page.Lines, kind);
    for (const TDrawnText& text : page.Texts)
        ShowText(cr, text);
    DrawScaleBar(cr, page);
}

bool HasDrawableSize(const TNetPage& page)
{
    return std::isfinite(page.WidthMm) && std::isfinite(page.HeightMm) && page.WidthMm > 0.0 && page.HeightMm > 0.0;
}

std::string PageSizeText(const TNetPage& page)
{
    return FormatGeneral(page.WidthMm) + " x " + FormatGeneral(page.HeightMm) + " mm";
}

// cairo's stream callback. An exception must not unwind through cairo's C frames, so a
// failed allocation becomes cairo's own out-of-memory status.
cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) noexcept
{
    try {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    } catch (const std::bad_alloc&) {
        return CAIRO_STATUS_NO_MEMORY;
    }
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

TResult NetPdfBytes(const std::vector<TNetPage>& pages, std::string& bytes)
{
    bytes.clear();
    if (pages.empty())
        return TResult::Failure("no pages to draw");
    const int pageCount = static_cast<int>(pages.size());
    for (int p = 0; p < pageCount; ++p)
        if (!HasDrawableSize(pages[static_cast<std::size_t>(p)]))
            return TResult::Failure("page " + std::to_string(p + 1)
                                    + " has no size to draw: " + PageSizeText(pages[static_cast<std::size_t>(p)]));

    std::string written;  // outlives the surface, which writes into it until it is destroyed
    const TSurface surface(cairo_pdf_surface_create_for_stream(AppendToString, &written, pages[0].WidthMm * PointsPerMm,
                                                               pages[0].HeightMm * PointsPerMm));
    if (const cairo_status_t status = cairo_surface_status(surface.get()); status != CAIRO_STATUS_SUCCESS)
        return CairoFailure("PDF", status);
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Zenkari");
    {
        const TContext cr(cairo_create(surface.get()));
        for (int p = 0; p < pageCount; ++p) {
            const TNetPage& page = pages[static_cast<std::size_t>(p)];
            // A page's size is set before anything is drawn on it.
            cairo_pdf_surface_set_size(surface.get(), page.WidthMm * PointsPerMm, page.HeightMm * PointsPerMm);
            cairo_save(cr.get());
            cairo_scale(cr.get(), PointsPerMm, PointsPerMm);
            DrawPage(cr.get(), page);
            cairo_restore(cr.get());
            cairo_show_page(cr.get());
            if (const cairo_status_t status = cairo_status(cr.get()); status != CAIRO_STATUS_SUCCESS)
                return CairoFailure(("PDF page " + std::to_string(p + 1)).c_str(), status);
        }
    }
    // Finishing writes the fonts, the cross-reference table and the trailer.
    cairo_surface_finish(surface.get());
    if (const cairo_status_t status = cairo_surface_status(surface.get()); status != CAIRO_STATUS_SUCCESS)
        return CairoFailure("PDF", status);
    bytes = std::move(written);
    return TResult::Success();
}

TResult NetPageImage(const TNetPage& page, double dotsPerInch, std::vector<std::uint32_t>& argb, int& width,
                     int& height)
{
    argb.clear();
    width = 0;
    height = 0;
    if (!std::isfinite(dotsPerInch) || dotsPerInch <= 0.0)
        return TResult::Failure("a picture needs a resolution above 0 dots per inch, not "
                                + FormatGeneral(dotsPerInch));
    if (!HasDrawableSize(page))
        return TResult::Failure("the page has no size to draw: " + PageSizeText(page));
    const double pixelsPerMm = dotsPerInch / MmPerInch;
    const double wide = std::round(page.WidthMm * pixelsPerMm);
    const double high = std::round(page.HeightMm * pixelsPerMm);
    if (wide < 1.0 || high < 1.0 || wide > NetImageSideLimit || high > NetImageSideLimit)
        return TResult::Failure("a page of " + PageSizeText(page) + " at " + FormatGeneral(dotsPerInch) + " dpi is "
                                + FormatGeneral(wide) + " x " + FormatGeneral(high) + " pixels; a side must be 1 to "
                                + std::to_string(NetImageSideLimit) + " pixels");
    const int w = static_cast<int>(wide);
    const int h = static_cast<int>(high);
    // Opaque white: cairo's ARGB32 is premultiplied 0xAARRGGBB in native order, which for
    // opaque pixels is plain 0xFFRRGGBB, so cairo draws straight into the caller's pixels.
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0xFFFFFFFFu);
    const int stride = w * static_cast<int>(sizeof(std::uint32_t));
    assert(cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, w) == stride);
    {
        const TSurface surface(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels.data()),
                                                                   CAIRO_FORMAT_ARGB32, w, h, stride));
        if (const cairo_status_t status = cairo_surface_status(surface.get()); status != CAIRO_STATUS_SUCCESS)
            return CairoFailure("picture", status);
        const TContext cr(cairo_create(surface.get()));
        cairo_scale(cr.get(), pixelsPerMm, pixelsPerMm);
        DrawPage(cr.get(), page);
        if (const cairo_status_t status = cairo_status(cr.get()); status != CAIRO_STATUS_SUCCESS)
            return CairoFailure("picture", status);
        cairo_surface_flush(surface.get());
    }
    argb = std::move(pixels);
    width = w;
    height = h;
    return TResult::Success();
}
