/*
 * tourbel's arithmetic. The order of every operation is part of the result:
 * the plot must land on exactly the pixels that these formulas give, so
 * nothing here may be fused (the build uses -ffp-contract=off) or reordered.
 */
#include "calcul.h"

#include <cfloat>
#include <cmath>
#include <climits>

double dxdt(double x, double y, double Pr)
{
    return (y - x) * Pr;
}

double dydt(double x, double y, double z, double r)
{
    return (r * x - x * z) - y;
}

double dzdt(double x, double y, double z, double b)
{
    return x * y - b * z;
}

/* Twice a stage's increment, then the weighted mean of the four increments:
   (2·k2 + k1 + 2·k3 + k4) / 6, summed in that order. */
static double moyenne(double k1, double k2, double k3, double k4)
{
    return ((((k2 + k2) + k1) + (k3 + k3)) + k4) / 6;
}

/* Each variable's chain shifts all three coordinates by its own previous
   increment (the z chain takes y from b1 at its second stage): this
   coupling, not the textbook one, is what draws the expected figure. */
void pas_suivant(double xn, double yn, double zn, float sigma, float r, float b, double h,
                 double *xnn, double *ynn, double *znn)
{
    double a1 = h * dxdt(xn, yn, sigma);
    double b1 = h * dydt(xn, yn, zn, r);
    double c1 = h * dzdt(xn, yn, zn, b);

    double a2 = h * dxdt(xn + a1 * 0.5, yn + a1 * 0.5, sigma);
    double b2 = h * dydt(xn + b1 * 0.5, yn + b1 * 0.5, zn + b1 * 0.5, r);
    double c2 = h * dzdt(xn + c1 * 0.5, yn + b1 * 0.5, zn + c1 * 0.5, b);

    double a3 = h * dxdt(xn + a2 * 0.5, yn + a2 * 0.5, sigma);
    double b3 = h * dydt(xn + b2 * 0.5, yn + b2 * 0.5, zn + b2 * 0.5, r);
    double c3 = h * dzdt(xn + c2 * 0.5, yn + c2 * 0.5, zn + c2 * 0.5, b);

    double a4 = h * dxdt(xn + a3, yn + a3, sigma);
    double b4 = h * dydt(xn + b3, yn + b3, zn + b3, r);
    double c4 = h * dzdt(xn + c3, yn + c3, zn + c3, b);

    *xnn = xn + moyenne(a1, a2, a3, a4);
    *ynn = yn + moyenne(b1, b2, b3, b4);
    *znn = zn + moyenne(c1, c2, c3, c4);
}

float simple_precision(double d)
{
    if (!(std::fabs(d) > FLT_MAX))
        return static_cast<float>(d);
    /* Beyond FLT_MAX the IEEE rounding still gives FLT_MAX up to half a
       unit in the last place (2^103) above it, a tie going to infinity. */
    float grand = std::fabs(d) < static_cast<double>(FLT_MAX) + 0x1p103 ? FLT_MAX : INFINITY;
    return d < 0 ? -grand : grand;
}

int nombre_de_points(double nb)
{
    if (!(nb >= INT_MIN && nb <= INT_MAX))
        return 0;
    int n = static_cast<int>(nb);
    return n > 0 ? n : 0;
}

void ecran(int choix, double x, double y, double z, double *sx, double *sy)
{
    switch (choix) {
    case 2:
        *sx = 10 * x + 500;
        *sy = 10 * z + 50;
        break;
    case 3:
        *sx = 10 * y + 500;
        *sy = 10 * z + 50;
        break;
    case 4:
        *sx = (10 * x + 550) + 10 * y;
        *sy = (10 * z + 150) + 10 * y;
        break;
    default:
        *sx = 10 * x + 500;
        *sy = 10 * y + 350;
        break;
    }
}

/* Which sides of the safe box the point lies beyond: 1 left, 2 right,
   4 above, 8 below. */
static int cote(double x, double y)
{
    return (x < -LIMITE_ECRAN) | (x > LIMITE_ECRAN) << 1 | (y < -LIMITE_ECRAN) << 2 |
           (y > LIMITE_ECRAN) << 3;
}

/* Moves the end (*x, *y), beyond the box on the sides c, along the segment
   towards (ox, oy) onto one of those sides. The coordinate on that side is
   set exactly; the other follows the slope, relative to the moving end, so
   that a far end loses no precision near the screen. */
static void rentrer(double *x, double *y, int c, double ox, double oy)
{
    if (c & 3) {
        double bord = (c & 1) ? -LIMITE_ECRAN : LIMITE_ECRAN;
        *y = *y + (oy - *y) * ((bord - *x) / (ox - *x));
        *x = bord;
    } else {
        double bord = (c & 4) ? -LIMITE_ECRAN : LIMITE_ECRAN;
        *x = *x + (ox - *x) * ((bord - *y) / (oy - *y));
        *y = bord;
    }
}

/* Truncation toward zero of a value already within the box; a rounding
   error of the clip must not step out of it. */
static int pixel(double v)
{
    return static_cast<int>(std::fmin(std::fmax(v, -LIMITE_ECRAN), LIMITE_ECRAN));
}

bool couper_segment(double x1, double y1, double x2, double y2, int seg[4])
{
    if (!std::isfinite(x2 - x1) || !std::isfinite(y2 - y1))
        return false; /* an end not finite, or ends too far apart to cut */
    int c1 = cote(x1, y1), c2 = cote(x2, y2);
    /* Each cut puts one end on one side, so four cuts are enough. */
    for (int k = 0; k < 4 && (c1 | c2); k++) {
        if (c1 & c2)
            return false; /* wholly beyond one side */
        if (c1) {
            rentrer(&x1, &y1, c1, x2, y2);
            c1 = cote(x1, y1);
        } else {
            rentrer(&x2, &y2, c2, x1, y1);
            c2 = cote(x2, y2);
        }
    }
    if (c1 & c2)
        return false;
    seg[0] = pixel(x1);
    seg[1] = pixel(y1);
    seg[2] = pixel(x2);
    seg[3] = pixel(y2);
    return true;
}
