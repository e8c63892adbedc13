// The puppet machinery: parts placed in 3D, turned to a facing, seen by a raised camera, sorted back
// to front and painted with Cairo (soft shading, dark outlines).
#pragma once
#include <cairo.h>
#include <functional>
#include <vector>

// The drawing machinery of the sprite generator keeps to its own namespace.
namespace boneco {

struct V3 {
    double x = 0, y = 0, z = 0;  // x to the figure's left, y forward, z up (pixels)
};
inline V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V3 operator*(V3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }

// A colour with components 0..1.
struct Tinta {
    double r = 0, g = 0, b = 0;
    Tinta escura(double k) const { return {r * k, g * k, b * k}; }
    Tinta clara(double k) const { return {r + (1 - r) * k, g + (1 - g) * k, b + (1 - b) * k}; }
    Tinta mistura(Tinta o, double k) const { return {r + (o.r - r) * k, g + (o.g - g) * k, b + (o.b - b) * k}; }
};
Tinta rgb(int r, int g, int b);
void usa(cairo_t* cr, Tinta t);

// One painted part: its depth (larger = nearer the viewer) and how it paints itself.
struct Peca {
    double prof;
    int ordem;
    std::function<void(cairo_t*)> pinta;
};

// A scene of parts for one picture.
struct Cena {
    double giro = 0;           // facing turn about the vertical axis, radians
    double ox = 0, oy = 0;     // screen point of the ground point
    double ky = 0.45, kz = 0.9;  // camera: how much depth and height show on screen
    double tomba = 0;          // a fallen figure: turned about its forward axis, radians
    std::vector<Peca> pecas;

    V3 roda(V3 p) const;                                   // turned to the facing
    void projeta(V3 p, double& sx, double& sy) const;      // model point to screen
    double prof(V3 p) const { return roda(p).y; }
    bool defrente(V3 dir) const { return roda(dir).y > 0.15; }  // a direction that faces the viewer

    void capsula(V3 a, V3 b, double ra, double rb, Tinta t, double vies = 0);
    void bola(V3 c, double rx, double ry, Tinta t, double vies = 0);
    void tronco(V3 a, double ra, V3 b, double rb, Tinta t, double vies = 0, bool tampa = false);
    void poligono(const std::vector<V3>& pts, Tinta t, double vies = 0, bool contorno = true);
    void ponto(V3 c, double r, Tinta t, double vies = 0);
    void linha(V3 a, V3 b, double w, Tinta t, double vies = 0);
    void faixa(V3 c, double r, double w, Tinta t, double vies = 0);  // the near half of a horizontal ring (belts)
    void livre(V3 ref, double vies, std::function<void(cairo_t*)> f);
    void desenha(cairo_t* cr);
};

// Painting helpers shared by the 2D drawings.
void contorno(cairo_t* cr, Tinta t, double w = 1.0);
void gradiente_lateral(cairo_t* cr, double x0, double x1, Tinta t);
void gradiente_vertical(cairo_t* cr, double y0, double y1, Tinta topo, Tinta base);
void elipse(cairo_t* cr, double cx, double cy, double rx, double ry);

}  // namespace boneco
