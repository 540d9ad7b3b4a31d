#include "mechanisms/drawing.h"

namespace cinemoto {

namespace {

Shape makeShape(Shape::Kind kind, float width, float height, std::uint32_t colour)
{
    Shape s;
    s.kind = kind;
    s.width = width;
    s.height = height;
    s.colour = colour;
    return s;
}

Line makeLine(std::uint32_t colour, int width)
{
    Line l;
    l.colour = colour;
    l.width = width;
    return l;
}

template <typename T, std::size_t N>
void fill(std::array<T, N> &array, const T &value)
{
    for (std::size_t i = 1; i < N; ++i)
        array[i] = value;
}

// Every part of an array; slot 0 is unused. The array may be const or not.
template <typename Array, typename F>
void each(Array &array, F &&f)
{
    for (std::size_t i = 1; i < array.size(); ++i)
        f(array[i]);
}

// Painting order: large bodies first, so that pins, links and teeth stay on top.
// One walk serves the const and the changing visit.
template <typename Parts, typename F>
void visitShapes(Parts &p, F &f)
{
    f(p.shaCremallera);
    each(p.shaCremall, f);
    f(p.shaFemella);
    f(p.shaLleva);
    f(p.shaForadet);
    f(p.shaseguidor);
    f(p.shaCorro);
    f(p.shaFipisto);
    f(p.shaBiela);
    f(p.shaPisto);
    f(p.shaPalames);
    f(p.shaTorn2);
    each(p.shaTorn1, f);
    f(p.shaCorriola);
    f(p.shaPolis[4]);
    f(p.shaPolis[2]);
    f(p.shaPolis[1]);
    f(p.shaPolis[3]);
    f(p.shaPla);
    // The worm's thread runs into its bearings: the blocks cover the crests.
    each(p.shasensefi, f);
    each(p.shaCargolsquare, f);
    each(p.sharodames2, f);
    each(p.sharodames4, f);
    each(p.sharodames1, f);
    each(p.sharodames3, f);
    each(p.shaboigmes, f);
    each(p.sharodames, f);
    each(p.shaCadena, f);
    each(p.shaCadena2, f);
    each(p.shaCadena3, f);
    each(p.shaCadena4, f);
}

template <typename Parts, typename F>
void visitLines(Parts &p, F &f)
{
    each(p.linConic, f);
    each(p.linSensefi, f);
    each(p.linFemella, f);
    f(p.linPisto);
    f(p.linBiela);
    f(p.linPalames);
    f(p.linTorn2);
    f(p.linTorn);
    each(p.linCorriola, f);
    each(p.linPolis, f);
}

} // namespace

DrawingParts::DrawingParts()
{
    using K = Shape::Kind;
    const Shape tooth = makeShape(K::Circle, 256, 225, kRed);
    fill(sharodames1, tooth);
    fill(sharodames2, tooth);
    fill(shaboigmes, tooth);
    Shape greyTooth = tooth;
    greyTooth.colour = kRoseGrey;
    fill(sharodames3, greyTooth);
    fill(sharodames4, greyTooth);
    fill(sharodames, makeShape(K::Circle, 150, 180, kCyanWhite));
    const Shape link = makeShape(K::Circle, 80, 80, kCyanWhite);
    fill(shaCadena, link);
    fill(shaCadena2, link);
    fill(shaCadena3, link);
    fill(shaCadena4, link);
    fill(linConic, makeLine(kCyanWhite, 1));
    fill(shasensefi, makeShape(K::Oval, 225, 390, kRed));
    fill(linSensefi, makeLine(kCyanWhite, 2));
    shaCargolsquare[1] = makeShape(K::Square, 645, 645, kCyanWhite);
    shaCargolsquare[2] = makeShape(K::Square, 300, 300, kCyanWhite);
    shaCargolsquare[3] = makeShape(K::Square, 300, 300, kCyanWhite);
    fill(shaCremall, makeShape(K::Oval, 225, 390, kRed));
    shaCremallera = makeShape(K::RoundedRectangle, 3210, 540, kRed);
    shaFemella = makeShape(K::Rectangle, 600, 1845, kRed);
    fill(linFemella, makeLine(kCyanWhite, 1));
    shaLleva = makeShape(K::Circle, 1200, 1200, kRed);
    shaCorro = makeShape(K::Circle, 240, 240, kRoseGrey);
    shaCorro.filled = false;
    shaCorro.borderWidth = 10;
    shaCorro.left = 2730;
    shaCorro.visible = true;
    shaseguidor = makeShape(K::Rectangle, 120, 1125, kRed);
    shaseguidor.left = 2790;
    shaForadet = makeShape(K::Circle, 135, 135, kCyanWhite);
    shaForadet.left = 2775;
    shaForadet.top = 2055;
    linBiela = makeLine(kRoseGrey, 10);
    linPisto = makeLine(kRed, 10);
    shaBiela = makeShape(K::Circle, 90, 150, kCyanWhite);
    shaPisto = makeShape(K::Circle, 90, 150, kCyanWhite);
    shaFipisto = makeShape(K::Rectangle, 150, 570, kRed);
    shaFipisto.visible = true;
    linPalames = makeLine(kRed, 15);
    shaPalames = makeShape(K::Circle, 495, 510, kRoseGrey);
    linTorn = makeLine(kRoseGrey, 15);
    linTorn.visible = true;
    fill(shaTorn1, makeShape(K::Circle, 135, 135, kRed));
    shaTorn2 = makeShape(K::RoundedSquare, 360, 375, kRed);
    linTorn2 = makeLine(kRoseGrey, 2);
    fill(linCorriola, makeLine(kRoseGrey, 3));
    shaCorriola = makeShape(K::RoundedSquare, 360, 375, kRed);
    fill(linPolis, makeLine(kRoseGrey, 2));
    shaPolis[1] = makeShape(K::Circle, 645, 615, kRed);
    shaPolis[2] = makeShape(K::Rectangle, 120, 600, kRoseGrey);
    shaPolis[3] = makeShape(K::Circle, 75, 90, kCyanWhite);
    shaPolis[4] = makeShape(K::RoundedSquare, 450, 390, kRed);
    shaPla = makeShape(K::Circle, 555, 570, kRed);
    shaPla.visible = true;
}

void DrawingParts::forEachShape(const std::function<void(const Shape &)> &f) const
{
    visitShapes(*this, f);
}

void DrawingParts::forEachShape(const std::function<void(Shape &)> &f)
{
    visitShapes(*this, f);
}

void DrawingParts::forEachLine(const std::function<void(const Line &)> &f) const
{
    visitLines(*this, f);
}

void DrawingParts::forEachLine(const std::function<void(Line &)> &f)
{
    visitLines(*this, f);
}

void DrawingParts::hideAll()
{
    forEachShape([](Shape &s) { s.visible = false; });
    forEachLine([](Line &l) { l.visible = false; });
}

} // namespace cinemoto
