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

template <typename T, std::size_t N, typename F>
void each(std::array<T, N> &array, F &&f)
{
    for (std::size_t i = 1; i < N; ++i)
        f(array[i]);
}

template <typename T, std::size_t N, typename F>
void each(const std::array<T, N> &array, F &&f)
{
    for (std::size_t i = 1; i < N; ++i)
        f(array[i]);
}

template <typename T, std::size_t N>
void showRange(std::array<T, N> &array, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i <= to && i < N; ++i)
        array[i].visible = true;
}

template <typename T, std::size_t N>
void showAll(std::array<T, N> &array)
{
    showRange(array, 1, N - 1);
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

// Painting order: large bodies first, so that pins, links and teeth stay on top.
void DrawingParts::forEachShape(const std::function<void(const Shape &)> &f) const
{
    f(shaCremallera);
    each(shaCremall, f);
    f(shaFemella);
    f(shaLleva);
    f(shaForadet);
    f(shaseguidor);
    f(shaCorro);
    f(shaFipisto);
    f(shaBiela);
    f(shaPisto);
    f(shaPalames);
    f(shaTorn2);
    each(shaTorn1, f);
    f(shaCorriola);
    f(shaPolis[4]);
    f(shaPolis[2]);
    f(shaPolis[1]);
    f(shaPolis[3]);
    f(shaPla);
    // The worm's thread runs into its bearings: the blocks cover the crests.
    each(shasensefi, f);
    each(shaCargolsquare, f);
    each(sharodames2, f);
    each(sharodames4, f);
    each(sharodames1, f);
    each(sharodames3, f);
    each(shaboigmes, f);
    each(sharodames, f);
    each(shaCadena, f);
    each(shaCadena2, f);
    each(shaCadena3, f);
    each(shaCadena4, f);
}

void DrawingParts::forEachShape(const std::function<void(Shape &)> &f)
{
    const auto &self = *this;
    self.forEachShape([&f](const Shape &s) { f(const_cast<Shape &>(s)); });
}

void DrawingParts::forEachLine(const std::function<void(const Line &)> &f) const
{
    each(linConic, f);
    each(linSensefi, f);
    each(linFemella, f);
    f(linPisto);
    f(linBiela);
    f(linPalames);
    f(linTorn2);
    f(linTorn);
    each(linCorriola, f);
    each(linPolis, f);
}

void DrawingParts::forEachLine(const std::function<void(Line &)> &f)
{
    const auto &self = *this;
    self.forEachLine([&f](const Line &l) { f(const_cast<Line &>(l)); });
}

void DrawingParts::hideAll()
{
    forEachShape([](Shape &s) { s.visible = false; });
    forEachLine([](Line &l) { l.visible = false; });
}

void initialLayout(DrawingParts &p, DrawingState &st)
{
    for (int i = 1; i <= 10; ++i) {
        Line &l = p.linConic[i];
        l.y1 = 2250;
        l.y2 = 2805;
        l.x1 = float(2040 + 118.5 * (i - 1));
        l.x2 = float(1490 + 229 * (i - 1));
    }
    for (int i = 11; i <= 20; ++i) {
        Line &l = p.linConic[i];
        l.y1 = float(1035 + 121.5 * (i - 11));
        l.y2 = float(480 + 232.5 * (i - 11));
        l.x1 = 3225;
        l.x2 = 3780;
    }
    p.shaCargolsquare[1].left = 1470;
    p.shaCargolsquare[1].top = 90;
    p.shaCargolsquare[2].left = 3405;
    p.shaCargolsquare[2].top = 30;
    p.shaCargolsquare[3].left = 3405;
    p.shaCargolsquare[3].top = 450;

    st.threadPitch = 350;
    for (int i = 1; i <= 4; ++i) {
        Shape &crest = p.shasensefi[i];
        crest.top = 270;
        crest.left = float(1860 + 350 * (i - 1));
        Line &flank = p.linSensefi[i];
        flank.x1 = crest.left + 125;
        flank.y1 = crest.top + 335;
        flank.x2 = crest.left - 100;
        flank.y2 = crest.top - 125;
    }
    for (int i = 5; i <= 8; ++i) {
        p.shasensefi[i].top = 105;
        p.shasensefi[i].left = float(1860 + 175 + 350 * (i - 5));
    }

    p.shaFemella.left = 1665;
    p.shaFemella.top = 570;
    for (int i = 1; i <= 2; ++i) {
        p.linFemella[i].x1 = 1635;
        p.linFemella[i].x2 = 2235;
    }
    p.linFemella[1].y1 = p.linFemella[1].y2 = 1500;
    p.linFemella[2].y1 = p.linFemella[2].y2 = 2385;

    p.linBiela.y2 = 1500;
    p.linPisto.y1 = p.linPisto.y2 = 1500;
    p.shaPisto.top = 1425;
    p.shaFipisto.top = 1230;

    st.rackSign = 1;
    p.shaCremallera.left = 2355;
    p.shaCremallera.top = 2025;
    for (int i = 1; i <= 9; ++i) {
        p.shaCremall[i].top = 1925;
        p.shaCremall[i].left = p.shaCremallera.left + 70 + 350 * (i - 1);
    }

    p.linPalames.x2 = 5209;
    p.linPalames.y2 = 1920;
    p.linPalames.x1 = 665;
    p.linPalames.y1 = 1920;
    p.shaPalames.top = 1670;
    p.shaPalames.left = 650;

    st.motionSign = 1;
    p.linTorn.x2 = 2835;
    p.linTorn.y2 = 915;
    p.shaTorn1[1].left = 2760;
    p.shaTorn1[1].top = 835;
    p.shaTorn2.left = 3195;
    p.shaTorn2.top = 2715;
    p.linTorn2.x1 = 3360;
    p.linTorn2.y1 = 930;
    p.linTorn2.x2 = 3360;
    p.linTorn2.y2 = 2865;

    p.linCorriola[1].x1 = p.linCorriola[1].x2 = 2190;
    p.linCorriola[1].y1 = 960;
    p.linCorriola[1].y2 = 1695;
    p.linCorriola[2].x1 = p.linCorriola[2].x2 = 3360;
    p.linCorriola[2].y1 = 960;
    p.linCorriola[2].y2 = 2700;
    p.shaCorriola.top = 2640;
    p.shaCorriola.left = 3200;

    p.linPolis[1].x1 = p.linPolis[1].x2 = 3180;
    p.linPolis[1].y1 = 675;
    p.linPolis[1].y2 = 1545;
    p.linPolis[2].x1 = 2850;
    p.linPolis[2].x2 = 2580;
    p.linPolis[2].y1 = 1020;
    p.linPolis[2].y2 = 1395;
    p.linPolis[3].x1 = 2550;
    p.linPolis[3].x2 = 2415;
    p.linPolis[3].y1 = 585;
    p.linPolis[3].y2 = 2960;
    const float polisTop[] = {0, 1245, 1500, 1530, 2085};
    const float polisLeft[] = {0, 2535, 2805, 2820, 2640};
    for (int i = 1; i <= 4; ++i) {
        p.shaPolis[i].top = polisTop[i];
        p.shaPolis[i].left = polisLeft[i];
    }

    p.shaPla.left = 795;
    p.shaPla.top = 1905;
}

void showParts(DrawingParts &p, DrawingState &st, int mechanism)
{
    p.hideAll();
    switch (mechanism) {
    case 1:
        showAll(p.sharodames1);
        showAll(p.sharodames2);
        break;
    case 2:
    case 4:
        showRange(p.sharodames, 1, 2);
        break;
    case 3:
        showAll(p.linConic);
        break;
    case 5:
        showAll(p.sharodames1);
        showAll(p.shaCadena);
        showAll(p.sharodames2);
        showAll(p.shaCadena2);
        showAll(p.shaCadena3);
        showAll(p.shaCadena4);
        st.motionSign = 1;
        for (int i = 1; i <= 30; ++i)
            st.linkShown[i] = -1;
        break;
    case 7:
        showAll(p.shaCremall);
        showAll(p.sharodames1);
        p.shaCremallera.visible = true;
        break;
    case 8:
        showAll(p.sharodames2);
        showAll(p.shasensefi);
        showAll(p.shaCargolsquare);
        showAll(p.linSensefi);
        break;
    case 9:
        p.shaFemella.visible = true;
        showAll(p.linFemella);
        break;
    case 10:
        p.shaForadet.visible = p.shaCorro.visible = p.shaseguidor.visible = p.shaLleva.visible = true;
        break;
    case 11:
        p.linBiela.visible = p.linPisto.visible = true;
        p.shaPisto.visible = p.shaBiela.visible = p.shaFipisto.visible = true;
        break;
    case 12:
        showAll(p.sharodames1);
        showAll(p.sharodames2);
        showAll(p.shaboigmes);
        break;
    case 13:
        showAll(p.sharodames1);
        showAll(p.sharodames3);
        showAll(p.sharodames2);
        showAll(p.sharodames4);
        break;
    case 14:
        showRange(p.sharodames, 3, 6);
        break;
    case 15:
        p.linPalames.visible = p.shaPalames.visible = true;
        break;
    case 16:
        p.linTorn.visible = p.linTorn2.visible = p.shaTorn2.visible = true;
        showAll(p.shaTorn1);
        break;
    case 17:
        showAll(p.linCorriola);
        p.shaCorriola.visible = true;
        break;
    case 18:
        showAll(p.linPolis);
        showAll(p.shaPolis);
        break;
    case 19:
        p.shaPla.visible = true;
        break;
    default: // 6: the picture itself moves
        break;
    }
}

void fillWheelCentres(DrawingState &st, int mechanism)
{
    auto set = [&](int m, double c1, double c2, double c3) {
        st.centres[m][1] = c1;
        st.centres[m][2] = c2;
        st.centres[m][3] = c3;
    };
    const bool mir = st.mirrored;
    switch (mechanism) {
    case 1:
        // The large gear stands far enough out for the teeth to pass between each other.
        mir ? set(1, 3735, 1890, 0) : set(1, 1950, 3795, 0);
        break;
    case 2:
        mir ? set(2, 4260, 1425, 0) : set(2, 1410, 4260, 0);
        break;
    case 4:
        mir ? set(4, 3870, 2070, 0) : set(4, 1800, 3600, 0);
        break;
    case 5:
        mir ? set(5, 4455, 1545, 0) : set(5, 1210, 4125, 0);
        break;
    case 12:
        // Wheels set out so that meeting teeth pass between each other; the idler's phase
        // puts a gap of its own where the small wheel's tooth comes.
        mir ? set(12, 3120, 1275, 4695) : set(12, 2550, 4395, 975);
        st.idlerPhase = mir ? 0.0 : 0.2;
        break;
    case 13:
    case 14:
        // The two compound drives share their shafts.
        mir ? set(13, 4920, 3105, 1290) : set(13, 750, 2565, 4380);
        st.centres[14] = st.centres[13];
        break;
    case 15:
        set(15, mir ? 3570 : 2100, 0, 0);
        st.leverSide = mir ? -1 : 1;
        break;
    default:
        break;
    }
}

bool mirrorsPicture(int mechanism)
{
    switch (mechanism) {
    case 1:
    case 2:
    case 4:
    case 5:
    case 12:
    case 13:
    case 14:
    case 15:
        return true;
    default:
        return false;
    }
}

} // namespace cinemoto
