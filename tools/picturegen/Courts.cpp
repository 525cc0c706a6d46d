// The court cards of both decks: the Page standing, the Knight on his horse, the Queen and the King on
// their thrones, each with the sign of the suit in hand. A suit keeps its colours through its four
// courts; within a suit each court holds its sign its own way. Whatever a hand holds is drawn before the
// hand, so that it lies in the hand; a staff, whose leaves reach wide, stands behind the figure that
// grips it, so that no leaf crosses a face or a robe.
#include "Art.h"
#include "Pictures.h"

#include <QtMath>
#include <array>

namespace picturegen {

namespace {

// The courts are drawn on a box 100 wide and 130 high, ground at y 122.
constexpr qreal Ground = 122;

enum class Rank { Page = 11, Knight = 12, Queen = 13, King = 14 };

struct SuitLook {
    Role robe;     // the court's robe, the horse's cloth
    Role lining;   // sleeves, hose, the King's mantle
    Role trim;     // collars, belts, hems
    QColor hair;
    QColor horse;  // the Knight's horse
    QColor mane;
};

SuitLook LookOf(const Art& a, int suit)
{
    // Cups water-blue, Pentacles earth-green, Swords red, Wands purple: each suit its own robe in both
    // decks, and a horse of its own colour for its Knight.
    const bool w = a.wood;
    switch (suit) {
    case 0:
        return {Role::Blue, Role::White, Role::Gold, QColor(232, 196, 92),
                w ? a.colour(Role::White) : QColor(238, 236, 228), w ? a.colour(Role::Yellow) : QColor(206, 196, 170)};
    case 1:
        return {Role::Green, Role::Wood, Role::Yellow, QColor(120, 74, 40), w ? QColor(150, 92, 44) : QColor(100, 64, 40),
                QColor(40, 28, 22)};
    case 2:
        return {Role::Red, Role::Silver, Role::Silver, QColor(40, 32, 30),
                w ? a.colour(Role::Water) : QColor(150, 152, 162), w ? a.colour(Role::Blue) : QColor(70, 70, 80)};
    default: {
        // The woodcut's dun horse has a black mane, apart from the rider's red sleeve along its neck.
        const QColor horse = w ? a.colour(Role::Wood) : QColor(180, 98, 46);
        const QColor mane = w ? a.colour(Role::Dark) : QColor(120, 54, 24);
        return {Role::Purple, Role::Red, Role::Gold, QColor(176, 84, 36), horse, mane};
    }
    }
}

QPointF Pt(qreal x, qreal y) { return {x, y}; }

// One court figure being drawn, in the box's coordinates.
struct Court {
    Art& a;
    int suit;
    SuitLook look;
    CourtFigure& told;
};

// A limb or a rod: a thick stroke in its colour with the ink outline around it.
void Limb(Art& a, std::initializer_list<QPointF> points, qreal width, const QColor& c)
{
    const QPainterPath path = PolyPath(points, false);
    a.strokeColour(path, a.colour(Role::Ink), width + (a.wood ? 2.6 : 1.5));
    a.strokeColour(path, c, width);
}

void Hand(Art& a, QPointF c, qreal r = 3.2) { a.fill(EllipsePath(c, r, r * 0.85), Role::Flesh, 0.7); }

void Face(Art& a, QPointF c, qreal r, const QColor& hair, bool beard)
{
    a.fillColour(EllipsePath(c + Pt(0, -r * 0.25), r * 0.95, r * 0.9), hair, 0.7); // hair behind the face
    a.fill(EllipsePath(c, r * 0.8, r), Role::Flesh);
    a.fill(EllipsePath(c + Pt(-r * 0.32, -r * 0.12), r * 0.11, r * 0.09), Role::Dark, 0);
    a.fill(EllipsePath(c + Pt(r * 0.32, -r * 0.12), r * 0.11, r * 0.09), Role::Dark, 0);
    a.stroke(PolyPath({c + Pt(0, -r * 0.05), c + Pt(-r * 0.1, r * 0.3), c + Pt(r * 0.08, r * 0.32)}, false), 0.5);
    a.stroke(PolyPath({c + Pt(-r * 0.22, r * 0.55), c + Pt(r * 0.22, r * 0.55)}, false), 0.6);
    if (beard) {
        QPainterPath b;
        b.moveTo(c + Pt(-r * 0.8, r * 0.05));
        b.cubicTo(c + Pt(-r * 0.8, r * 1.2), c + Pt(-r * 0.3, r * 1.7), c + Pt(0, r * 1.75));
        b.cubicTo(c + Pt(r * 0.3, r * 1.7), c + Pt(r * 0.8, r * 1.2), c + Pt(r * 0.8, r * 0.05));
        b.quadTo(c + Pt(r * 0.5, r * 0.75), c + Pt(0, r * 0.72));
        b.quadTo(c + Pt(-r * 0.5, r * 0.75), c + Pt(-r * 0.8, r * 0.05));
        a.fillColour(b, hair, 0.6);
        a.stroke(PolyPath({c + Pt(-r * 0.22, r * 0.58), c + Pt(r * 0.22, r * 0.58)}, false), 0.6);
    }
}

void PageCap(Art& a, QPointF top, qreal w, Role colour)
{
    QPainterPath cap;
    cap.moveTo(top.x() - w * 0.5, top.y() + w * 0.3);
    cap.cubicTo(top.x() - w * 0.5, top.y() - w * 0.2, top.x() + w * 0.4, top.y() - w * 0.3, top.x() + w * 0.62,
                top.y() + w * 0.2);
    cap.closeSubpath();
    a.fill(cap, colour);
    a.fill(RectPath(top.x() - w * 0.55, top.y() + w * 0.2, w * 1.1, w * 0.14), Role::Gold, 0.6);
    QPainterPath feather;
    feather.moveTo(top.x() + w * 0.1, top.y() - w * 0.05);
    feather.cubicTo(top.x() + w * 0.2, top.y() - w * 0.7, top.x() + w * 0.7, top.y() - w * 0.8, top.x() + w * 0.9,
                    top.y() - w * 0.6);
    feather.cubicTo(top.x() + w * 0.6, top.y() - w * 0.5, top.x() + w * 0.3, top.y() - w * 0.3, top.x() + w * 0.1,
                    top.y() - w * 0.05);
    a.fill(feather, Role::White, 0.6);
}

QPainterPath Helm(Art& a, QPointF top, qreal w, Role plume)
{
    QPainterPath helm;
    helm.moveTo(top.x() - w * 0.42, top.y() + w * 0.62);
    helm.cubicTo(top.x() - w * 0.52, top.y() - w * 0.3, top.x() + w * 0.52, top.y() - w * 0.3, top.x() + w * 0.42,
                 top.y() + w * 0.62);
    helm.closeSubpath();
    a.fill(helm, Role::Silver);
    a.fill(RectPath(top.x() - w * 0.36, top.y() + w * 0.2, w * 0.5, w * 0.07), Role::Dark, 0.4);
    QPainterPath crest;
    crest.moveTo(top.x(), top.y() - w * 0.12);
    crest.cubicTo(top.x() + w * 0.3, top.y() - w * 0.8, top.x() + w * 0.9, top.y() - w * 0.6, top.x() + w * 1.1,
                  top.y() - w * 0.05);
    crest.cubicTo(top.x() + w * 0.7, top.y() - w * 0.3, top.x() + w * 0.3, top.y() - w * 0.2, top.x(),
                  top.y() - w * 0.12);
    a.fill(crest, plume, 0.6);
    return helm;
}

// The suit's sign at c, turned by angle degrees; mirrored, a staff puts out its leaves the other way.
void Sign(Court& k, QPointF c, qreal h, qreal angle = 0, bool mirrored = false)
{
    if (k.told.withoutSign)
        return;
    Art& a = k.a;
    a.p.save();
    a.p.translate(c);
    a.p.rotate(angle);
    if (mirrored)
        a.p.scale(-1, 1);
    DrawPip(a, k.suit, {0, 0}, h);
    a.p.restore();
}

// Where the sign of height h stands when a hand at hand grips it, turned by angle degrees: by the stem of
// a cup, the rim of a coin, the hilt of a sword, the lower part of a staff.
QPointF GripCentre(int suit, QPointF hand, qreal h, qreal angle = 0)
{
    const qreal grip = h * (suit <= 1 ? 0.4 : suit == 2 ? 0.33 : 0.2);
    const qreal t = qDegreesToRadians(angle);
    return hand + Pt(grip * qSin(t), -grip * qCos(t));
}

// The sign gripped by a hand at hand, the hand over it.
void Held(Court& k, QPointF hand, qreal h, qreal angle = 0)
{
    Sign(k, GripCentre(k.suit, hand, h, angle), h, angle);
    Hand(k.a, hand);
}

// The face, told as the figure's head.
void HeadOf(Court& k, QPointF c, qreal r, bool beard)
{
    Face(k.a, c, r, k.look.hair, beard);
    k.told.head = k.a.p.deviceTransform().map(EllipsePath(c, r * 0.8, r));
}

// ---------- the Page, standing ----------

void Page(Court& k)
{
    Art& a = k.a;
    const int suit = k.suit;
    const SuitLook& look = k.look;
    // The staff stands planted beside him, behind his arm and his tunic, so that its leaves reach round
    // him and none crosses him.
    if (suit == 3)
        Sign(k, {71, 80}, 84);
    // Legs in hose, shoes on the ground.
    Limb(a, {Pt(45, 92), Pt(44, 119)}, 5.5, a.colour(look.lining));
    Limb(a, {Pt(55, 92), Pt(57, 119)}, 5.5, a.colour(look.lining));
    a.fill(EllipsePath({42, 120.5}, 5, 2.4), Role::Dark, 0.6);
    a.fill(EllipsePath({59, 120.5}, 5, 2.4), Role::Dark, 0.6);

    // The arm away from the sign hangs at the side, hand on the hip.
    const bool signRight = suit == 0 || suit == 3;
    const qreal away = signRight ? 36 : 64;
    Limb(a, {Pt(signRight ? 40 : 60, 56), Pt(away - (signRight ? 2 : -2), 68), Pt(away + (signRight ? 3 : -3), 78)}, 5,
         a.colour(look.robe).darker(112));

    // A short tunic, belted, over the shoulders a collar.
    QPainterPath tunic;
    tunic.moveTo(40, 52);
    tunic.lineTo(60, 52);
    tunic.cubicTo(64, 66, 66, 84, 68, 96);
    tunic.quadTo(50, 100, 32, 96);
    tunic.cubicTo(34, 84, 36, 66, 40, 52);
    a.fill(tunic, look.robe);
    k.told.robe = a.p.deviceTransform().map(Pt(50, 88)).toPoint();
    a.fill(RectPath(37.5, 73, 25, 3.5), look.trim, 0.6);
    a.fill(PolyPath({Pt(43, 52), Pt(50, 60), Pt(57, 52)}), look.trim, 0.6);
    Hand(a, {away + (signRight ? 3 : -3), 78});

    HeadOf(k, {50, 42}, 8, false);
    PageCap(a, {50, 34}, 18, look.robe);

    switch (suit) {
    case 0: // the cup raised before him
        Limb(a, {Pt(60, 56), Pt(70, 66), Pt(69, 56)}, 5, a.colour(look.robe).darker(112));
        Held(k, {69, 56}, 22);
        break;
    case 1: // the coin carried before him in both hands
        Limb(a, {Pt(40, 56), Pt(37, 66), Pt(42, 71)}, 5, a.colour(look.robe).darker(112));
        Limb(a, {Pt(60, 56), Pt(63, 66), Pt(58, 71)}, 5, a.colour(look.robe).darker(112));
        Sign(k, {50, 66}, 22);
        Hand(a, {42, 71});
        Hand(a, {58, 71});
        break;
    case 2: // the sword held upright, ready
        Limb(a, {Pt(40, 56), Pt(31, 66), Pt(30, 60)}, 5, a.colour(look.robe).darker(112));
        Held(k, {30, 60}, 52);
        break;
    default: // the staff planted on the ground beside him, his hand round it
        Limb(a, {Pt(60, 56), Pt(68, 66), Pt(70, 62)}, 5, a.colour(look.robe).darker(112));
        Hand(a, {70, 62});
        break;
    }
}

// ---------- the Knight, on his horse ----------

struct Leg {
    QPointF hip, knee, hoof;
};

void Horse(Art& a, const SuitLook& look, const std::array<Leg, 4>& legs)
{
    // The far legs first, a shade darker, then body, neck and head, then the near legs.
    const QColor coat = look.horse;
    auto leg = [&](const Leg& l, const QColor& c) {
        Limb(a, {l.hip, l.knee, l.hoof}, 4.6, c);
        a.fill(EllipsePath(l.hoof + Pt(0, 1), 2.8, 1.8), Role::Dark, 0.5);
    };
    leg(legs[1], coat.darker(125));
    leg(legs[3], coat.darker(125));
    // The tail.
    Limb(a, {Pt(80, 80), Pt(88, 86), Pt(90, 100)}, 4.5, look.mane);
    a.fillColour(EllipsePath({56, 84}, 27, 12.5), coat);
    // A strong neck rising from the chest, the head bowed a little, its muzzle forward.
    QPainterPath neck;
    neck.moveTo(30, 91);
    neck.cubicTo(26, 80, 27, 68, 31, 60);
    neck.lineTo(35, 49);
    neck.cubicTo(40, 61, 46, 69, 53, 74);
    neck.closeSubpath();
    a.fillColour(neck, coat);
    QPainterPath head;
    head.moveTo(35, 49);
    head.cubicTo(27, 51, 18, 60, 12, 69);
    head.quadTo(11, 75, 17, 75);
    head.cubicTo(23, 74, 29, 69, 34, 63);
    head.closeSubpath();
    a.fillColour(head, coat);
    a.fillColour(PolyPath({Pt(32, 51), Pt(34, 42), Pt(37, 50)}), coat, 0.7); // the ear
    a.fill(EllipsePath({26.5, 58}, 1.4, 1.1), Role::Dark, 0);
    a.fill(EllipsePath({14.5, 70.5}, 1.0, 0.8), Role::Dark, 0);
    // The mane along the top of the neck.
    QPainterPath mane;
    mane.moveTo(35, 48);
    mane.cubicTo(40, 61, 46, 69, 53, 74);
    a.strokeColour(mane, a.colour(Role::Ink), a.wood ? 6.2 : 5.2);
    a.strokeColour(mane, look.mane, 4.0);
    // The bridle and the reins.
    a.stroke(PolyPath({Pt(16, 72), Pt(24, 66), Pt(33, 56)}, false), 0.8);
    leg(legs[0], coat);
    leg(legs[2], coat);
    // The saddle cloth in the suit's colour.
    QPainterPath cloth;
    cloth.moveTo(46, 73);
    cloth.lineTo(70, 73);
    cloth.lineTo(72, 95);
    cloth.quadTo(59, 99, 46, 95);
    cloth.closeSubpath();
    a.fill(cloth, look.robe, 0.8);
    a.fill(RectPath(46, 92, 26, 3), look.trim, 0.5);
}

void Knight(Court& k)
{
    Art& a = k.a;
    const int suit = k.suit;
    const SuitLook& look = k.look;
    // Each Knight's horse moves its own way: Cups at a walk, Pentacles standing still, Swords at the
    // charge, Wands rearing.
    std::array<Leg, 4> legs; // near fore, far fore, near hind, far hind
    qreal rear = 0;
    switch (suit) {
    case 0:
        legs = {{{Pt(36, 90), Pt(30, 102), Pt(36, 111)}, {Pt(40, 90), Pt(40, 106), Pt(40, Ground - 1)},
                 {Pt(72, 90), Pt(76, 106), Pt(72, Ground - 1)}, {Pt(76, 90), Pt(80, 106), Pt(80, Ground - 1)}}};
        break;
    case 1:
        legs = {{{Pt(36, 90), Pt(35, 106), Pt(36, Ground - 1)}, {Pt(41, 90), Pt(41, 106), Pt(42, Ground - 1)},
                 {Pt(72, 90), Pt(76, 106), Pt(74, Ground - 1)}, {Pt(77, 90), Pt(81, 106), Pt(80, Ground - 1)}}};
        break;
    case 2:
        legs = {{{Pt(36, 90), Pt(24, 96), Pt(16, 94)}, {Pt(40, 92), Pt(30, 102), Pt(24, 108)},
                 {Pt(72, 92), Pt(84, 100), Pt(94, 104)}, {Pt(76, 92), Pt(86, 106), Pt(90, 116)}}};
        break;
    default:
        rear = -15;
        legs = {{{Pt(36, 90), Pt(28, 94), Pt(32, 104)}, {Pt(40, 90), Pt(34, 98), Pt(38, 108)},
                 {Pt(72, 90), Pt(74, 106), Pt(70, 121)}, {Pt(76, 90), Pt(80, 106), Pt(78, 121)}}};
        break;
    }
    a.p.save();
    if (rear != 0) {
        // Rearing on the hind legs: everything turns about the hind hooves, set further back so that the
        // raised head stays on the card.
        a.p.translate(84, Ground);
        a.p.rotate(rear);
        a.p.translate(-74, -Ground);
    } else if (suit == 2) {
        a.p.translate(0, -4); // at the charge, all four hooves off the ground
    }
    Horse(a, look, legs);
    k.told.robe = a.p.deviceTransform().map(Pt(66, 86)).toPoint(); // the horse's cloth

    // The staff raised like a lance stands behind the rider: its leaves reach behind his head, not across
    // his visor.
    const QPointF staffHand(72, 56);
    constexpr qreal StaffLength = 52;
    if (suit == 3)
        Sign(k, GripCentre(suit, staffHand, StaffLength), StaffLength);

    // The rider: his far hand holds the reins from the bit; his near leg hangs in the stirrup.
    const QColor sleeve = a.colour(look.lining);
    const QPointF reinHand(42, 66);
    a.stroke(PolyPath({Pt(16, 72), Pt(29, 71), reinHand}, false), 0.8);
    Limb(a, {Pt(58, 58), Pt(50, 66), reinHand}, 4.4, sleeve.darker(115));
    Hand(a, reinHand, 2.8);
    QPainterPath body;
    body.moveTo(52, 52);
    body.lineTo(66, 52);
    body.lineTo(68, 78);
    body.lineTo(50, 78);
    body.closeSubpath();
    a.fill(body, Role::Silver);
    QPainterPath tabard = PolyPath({Pt(54, 56), Pt(64, 56), Pt(66, 80), Pt(52, 80)});
    a.fill(tabard, look.robe, 0.6);
    Limb(a, {Pt(56, 80), Pt(48, 86), Pt(50, 100)}, 5.5, a.colour(Role::Silver));
    a.fill(RectPath(45.5, 99, 9, 3.5), Role::Dark, 0.5); // the foot in its stirrup
    HeadOf(k, {59, 44}, 7, false);
    const QPainterPath helm = Helm(a, {59, 37}, 16, look.trim == Role::Silver ? Role::Red : look.trim);
    k.told.head = k.told.head.united(a.p.deviceTransform().map(helm));

    switch (suit) {
    case 0: // offers his cup ahead of him
        Limb(a, {Pt(60, 56), Pt(50, 58), Pt(42, 56)}, 4.4, sleeve);
        Held(k, {42, 56}, 17);
        break;
    case 1: // studies the coin in his hand
        Limb(a, {Pt(60, 56), Pt(52, 64), Pt(46, 60)}, 4.4, sleeve);
        Sign(k, {44, 52}, 16);
        Hand(a, {46, 60}, 2.8);
        break;
    case 2: // the sword swung high at the charge, its hilt above the helm
        Limb(a, {Pt(63, 55), Pt(72, 45), Pt(72, 30)}, 4.4, sleeve);
        Held(k, {72, 30}, 40, -40);
        break;
    default: // the staff raised like a lance, his hand round it
        Limb(a, {Pt(62, 56), Pt(70, 64), staffHand}, 4.4, sleeve);
        Hand(a, staffHand);
        break;
    }
    a.p.restore();
}

// ---------- the Queen and the King, enthroned ----------

void ThroneBehind(Court& k, bool king)
{
    Art& a = k.a;
    const Role wood = a.wood ? Role::Yellow : Role::Stone;
    // The back rises well above the crowned head, and its crest stands clear of the crown.
    QPainterPath back;
    back.moveTo(25, 104);
    back.lineTo(25, 22);
    if (king) {
        back.lineTo(50, 8);
    } else {
        back.quadTo(25, 10, 37, 10);
        back.lineTo(63, 10);
        back.quadTo(75, 10, 75, 22);
    }
    back.lineTo(75, 22);
    back.lineTo(75, 104);
    back.closeSubpath();
    a.fill(back, wood);
    a.fill(RectPath(29, 22, 42, 78), Role::Dark, 0.6); // the cloth of the back, dark behind every robe
    // The crest of the throne carries the suit's sign.
    const QPointF crest(50, 10);
    a.fill(EllipsePath(crest, 7, 7), Role::Gold, 0.8);
    Sign(k, crest, k.suit == 1 ? 11 : 12);
    // The seat and its arms.
    a.fill(RectPath(20, 76, 12, 6), wood);
    a.fill(RectPath(68, 76, 12, 6), wood);
    a.fill(RectPath(21, 82, 8, 26), wood);
    a.fill(RectPath(71, 82, 8, 26), wood);
    // The dais.
    a.fill(RectPath(12, 108, 76, 7), wood);
    a.fill(RectPath(8, 115, 84, 7), wood);
}

void Enthroned(Court& k, bool king)
{
    Art& a = k.a;
    const int suit = k.suit;
    const SuitLook& look = k.look;
    ThroneBehind(k, king);
    const QColor sleeve = a.colour(king ? look.lining : look.robe).darker(110);
    // A staff stands behind the figure that grips it, beside the throne: its leaves reach out past the
    // figure or behind it, never across the face or the robe. The Queen's, on her left, is turned so that
    // it leafs away from her.
    const QPointF kingStaff(69, 66), queenStaffHand(32, 72);
    constexpr qreal KingStaff = 90, QueenStaff = 60;
    if (suit == 3) {
        if (king)
            Sign(k, kingStaff, KingStaff);
        else
            Sign(k, GripCentre(suit, queenStaffHand, QueenStaff), QueenStaff, 0, true);
    }
    if (king) {
        // The mantle over the shoulders falls to the seat.
        a.fill(PolyPath({Pt(36, 50), Pt(64, 50), Pt(72, 100), Pt(28, 100)}), look.lining);
    } else {
        // The veil falls behind her head and shoulders.
        QPainterPath veil;
        veil.moveTo(42, 28);
        veil.cubicTo(34, 36, 31, 52, 32, 70);
        veil.lineTo(68, 70);
        veil.cubicTo(69, 52, 66, 36, 58, 28);
        veil.closeSubpath();
        a.fillColour(veil, a.wood ? a.colour(Role::White) : QColor(232, 232, 248), 0.7);
    }
    // The robe: body, the lap over the knees, the skirt to the feet.
    QPainterPath gown;
    gown.moveTo(41, 50);
    gown.lineTo(59, 50);
    gown.cubicTo(62, 62, 62, 72, 61, 80);
    gown.lineTo(70, 84);
    gown.cubicTo(70, 96, 68, 106, 68, 110);
    gown.lineTo(32, 110);
    gown.cubicTo(32, 106, 30, 96, 30, 84);
    gown.lineTo(39, 80);
    gown.cubicTo(38, 72, 38, 62, 41, 50);
    gown.closeSubpath();
    a.fill(gown, look.robe);
    k.told.robe = a.p.deviceTransform().map(Pt(50, 98)).toPoint();
    a.stroke(PolyPath({Pt(31, 86), Pt(50, 89), Pt(69, 86)}, false), 0.6); // the knees under the robe
    a.fill(RectPath(30, 106, 40, 4), look.trim, 0.6);
    a.fill(RectPath(40, 74, 20, 3.5), look.trim, 0.6);
    a.fill(PolyPath({Pt(44, 50), Pt(50, 58), Pt(56, 50)}), look.trim, 0.6);
    a.fill(EllipsePath({43, 111}, 4.5, 2.2), Role::Dark, 0.5);
    a.fill(EllipsePath({57, 111}, 4.5, 2.2), Role::Dark, 0.5);

    HeadOf(k, {50, 40}, 8, king);
    Crown(a, {50, 30}, king ? 18 : 14);

    // Each holds the sign a way of his or her own.
    auto lap = [&](QPointF hand, bool left) {
        Limb(a, {Pt(left ? 42 : 58, 53), Pt(left ? 37 : 63, 66), hand}, 4.6, sleeve);
        Hand(a, hand);
    };
    auto upright = [&](qreal x, qreal size, bool left) {
        Limb(a, {Pt(left ? 42 : 58, 53), Pt(left ? 32 : 68, 66), Pt(x, 72)}, 4.6, sleeve);
        Held(k, {x, 72}, size);
    };
    switch (suit) {
    case 0:
        if (king) { // a cup raised in one hand, a short sceptre upright in the fist of the other
            Limb(a, {Pt(42, 53), Pt(33, 64), Pt(30, 60)}, 4.6, sleeve);
            Held(k, {30, 60}, 18);
            Limb(a, {Pt(58, 53), Pt(65, 67), Pt(59, 77)}, 4.6, sleeve);
            a.fill(RectPath(57.8, 62, 2.4, 20), Role::Gold, 0.5);
            a.fill(EllipsePath({59, 61}, 2.6, 2.6), Role::Gold, 0.5);
            Hand(a, {59, 77});
        } else { // a great covered cup held in both hands on her lap
            Limb(a, {Pt(42, 53), Pt(37, 66), Pt(43, 78)}, 4.6, sleeve);
            Limb(a, {Pt(58, 53), Pt(63, 66), Pt(57, 78)}, 4.6, sleeve);
            Sign(k, {50, 70}, 24);
            if (!k.told.withoutSign) { // its lid
                a.fill(EllipsePath({50, 60}, 6, 2.4), Role::Gold, 0.5);
                a.fill(EllipsePath({50, 57.5}, 1.8, 1.8), Role::Gold, 0.5);
            }
            Hand(a, {43, 78});
            Hand(a, {57, 78});
        }
        break;
    case 1:
        if (king) { // the coin resting on his knee under his hand, a sceptre in the other hand
            Limb(a, {Pt(58, 53), Pt(63, 66), Pt(60, 88)}, 4.6, sleeve);
            Sign(k, {62, 80}, 18);
            Hand(a, {60, 88});
            Limb(a, {Pt(42, 53), Pt(32, 66), Pt(34, 72)}, 4.6, sleeve);
            a.fill(RectPath(32.8, 40, 2.4, 34), Role::Gold, 0.5);
            a.fill(EllipsePath({34, 39}, 3, 3), Role::Gold, 0.5);
            Hand(a, {34, 72});
        } else { // the coin held in her lap in both hands
            Limb(a, {Pt(42, 53), Pt(36, 68), Pt(42, 82)}, 4.6, sleeve);
            Limb(a, {Pt(58, 53), Pt(64, 68), Pt(58, 82)}, 4.6, sleeve);
            Sign(k, {50, 80}, 20);
            Hand(a, {42, 82});
            Hand(a, {58, 82});
        }
        break;
    case 2:
        if (king) { // the sword upright in his hand
            upright(32, 56, true);
            lap({56, 80}, false);
        } else { // the sword upright in one hand, the other raised open
            upright(68, 56, false);
            Limb(a, {Pt(42, 53), Pt(34, 60), Pt(34, 50)}, 4.6, sleeve);
            Hand(a, {34, 50}, 3.6);
        }
        break;
    default:
        if (king) { // the staff grounded beside him, his hand round it
            Limb(a, {Pt(58, 53), Pt(68, 64), Pt(69, 70)}, 4.6, sleeve);
            Hand(a, {69, 70});
            lap({44, 80}, true);
        } else { // the staff in one hand, a sunflower in the other
            Limb(a, {Pt(42, 53), Pt(32, 66), queenStaffHand}, 4.6, sleeve);
            Hand(a, queenStaffHand);
            Limb(a, {Pt(58, 53), Pt(63, 66), Pt(58, 80)}, 4.6, sleeve);
            a.stroke(PolyPath({Pt(58, 80), Pt(62, 68)}, false), 1.2);
            a.fill(StarPath({63, 66}, 6, 3, 12), Role::Yellow, 0.5);
            a.fill(EllipsePath({63, 66}, 2.4, 2.4), Role::Wood, 0.5);
            Hand(a, {58, 80}); // round the flower's stem
        }
        break;
    }
}

} // namespace

void DrawCourtFigure(Art& a, int rank, int suit, const QRectF& art, CourtFigure& figure)
{
    Court k {a, suit, LookOf(a, suit), figure};
    a.p.save();
    const qreal s = std::min(art.width() / 100.0, art.height() / 130.0);
    a.p.translate(art.center().x() - 50 * s, art.bottom() - 130 * s);
    a.p.scale(s, s);
    switch (static_cast<Rank>(rank)) {
    case Rank::Page: Page(k); break;
    case Rank::Knight: Knight(k); break;
    case Rank::Queen: Enthroned(k, false); break;
    case Rank::King: Enthroned(k, true); break;
    }
    a.p.restore();
}

} // namespace picturegen
