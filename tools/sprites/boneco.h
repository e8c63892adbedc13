// The modelling machinery of the world sprites: parts placed in 3D (ellipsoids, tapered limbs and
// meshes), turned to a facing, seen by a raised camera, hidden by depth and lit per pixel from one
// light at the upper left, with a rim light from behind, ambient occlusion, surface textures, and
// lines where one part passes in front of another. Also the 2D painting helpers of the flat pictures.
#pragma once
#include <cairo.h>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/picture.h"

// The drawing machinery of the sprite generator keeps to its own namespace.
namespace boneco {

struct V3 {
    double x = 0, y = 0, z = 0;  // model: x to the figure's left, y forward, z up (pixels)
};
inline V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V3 operator*(V3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
inline V3 operator-(V3 a) { return {-a.x, -a.y, -a.z}; }
inline double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double norma(V3 a) { return std::sqrt(dot(a, a)); }
inline V3 unit(V3 a) { double n = norma(a); return n < 1e-12 ? V3{0, 0, 1} : a * (1 / n); }
inline V3 mistura(V3 a, V3 b, double k) { return a + (b - a) * k; }

// A colour with components 0..1.
struct Tinta {
    double r = 0, g = 0, b = 0;
    Tinta escura(double k) const { return {r * k, g * k, b * k}; }
    Tinta clara(double k) const { return {r + (1 - r) * k, g + (1 - g) * k, b + (1 - b) * k}; }
    Tinta mistura(Tinta o, double k) const { return {r + (o.r - r) * k, g + (o.g - g) * k, b + (o.b - b) * k}; }
};
Tinta rgb(int r, int g, int b);
void usa(cairo_t* cr, Tinta t);

// Surface patterns, worked out in each part's own coordinates so they move with it.
enum Textura {
    LISO, PELE, TECIDO, COURO, METAL, MADEIRA, PEDRA, CASCA, FOLHAS, CABELO, PELO, ESCAMAS, OSSO,
    TELHAS, BLOCOS, TABUAS, PALHA, REBOCO, TERRA, OURO, REDEMOINHO
};

struct Material {
    Tinta cor;
    Tinta verso{-1, -1, -1};  // the inner side of sheets (capes, skirts, brims); negative: a darker `cor`
    int textura = LISO;
    double escala = 1;        // size of the pattern's features, pixels
    double brilho = 0.08;     // specular strength
    double dureza = 14;       // specular tightness
    bool forte = false;       // tiny features (eyes, mouths) keep their colour at game size
    bool emite = false;       // glowing: painted at full colour, unlit
    double linha = 1;         // how dark the lines around this part are (0 none)
    double fase = 0;          // turns moving patterns (the portal's swirl)
};

// One vertex of a mesh: position, normal (zero: worked out from the faces) and pattern coordinates.
struct Vertice {
    V3 p, n, t;
};

// A ring of a tube: centre and the two half axes of its ellipse.
struct Anel {
    V3 c, ex, ey;
};

struct Primitiva;

// A scene of parts for one picture.
struct Cena {
    double giro = 0;           // facing turn about the vertical axis, radians
    double tomba = 0;          // a fallen figure: turned about its forward axis, radians
    bool espelho = false;      // drawn mirrored left to right, still lit from the upper left
    double ox = 0, oy = 0;     // picture point of the model's ground point
    double corte = 1e9;        // nothing above this height is drawn (buildings going up)
    double escala = 1;         // model pixels to picture pixels

    Cena();
    ~Cena();
    Cena(const Cena&) = delete;
    Cena& operator=(const Cena&) = delete;

    int material(const Material& m);
    int material(Tinta cor, int textura = LISO, double escala = 1);
    // The parts that follow belong to a new part: a line is drawn where one part passes in front of
    // another, none between the pieces of one part.
    int novaparte();
    void parte(int p) { parte_ = p; }

    void elipsoide(V3 c, V3 ex, V3 ey, V3 ez, int mat);  // half axes, any orientation
    void ovo(V3 c, double rx, double ry, double rz, int mat) { elipsoide(c, {rx, 0, 0}, {0, ry, 0}, {0, 0, rz}, mat); }
    void bola(V3 c, double r, int mat) { ovo(c, r, r, r, mat); }
    void cone(V3 a, V3 b, double ra, double rb, int mat);  // a limb: two balls and the cone that joins them
    void malha(const std::vector<Vertice>& v, const std::vector<int>& tri, int mat);
    // A tube through rings; `lados` sides from angle a0 to a1 (a partial tube is an open sheet);
    // `raio(s, a)` scales the rings (folds), s from 0 at the first ring to 1 at the last.
    // `desce(s, a)` moves the ring points down (ragged hems).
    void tubo(const std::vector<Anel>& aneis, int lados, int mat, double a0 = 0, double a1 = 2 * M_PI,
              bool tampa0 = false, bool tampa1 = false, const std::function<double(double, double)>& raio = nullptr,
              const std::function<double(double, double)>& desce = nullptr);
    // A faceted rock in the box of the three half axes; `semente` picks its shape.
    void pedregulho(V3 c, V3 ex, V3 ey, V3 ez, int mat, int semente);
    // A flat piece with thickness: the outline `pts` (in the plane of ex, ey about c) pushed `esp` along ez.
    void placa(V3 c, V3 ex, V3 ey, const std::vector<std::pair<double, double>>& pts, double esp, int mat);

    // 2D marks painted over the picture at a model point, unless something nearer hides the point.
    void brilho(V3 c, double r, Tinta cor, double forca = 1);
    // `folga`: how far in front of the point a surface may lie without hiding it.
    void livre(V3 c, std::function<void(cairo_t*, double sx, double sy)> f, double folga = 2.5);

    void projeta(V3 p, double& sx, double& sy) const;  // model point to picture point
    double prof(V3 p) const;                           // nearness to the viewer
    V3 camera(V3 p) const;                             // model point to camera (x right, y up, z near)
    bool defrente(V3 dir) const { return camera(dir).z > 0.15 * norma(dir); }  // a direction that faces the viewer

    // Renders the scene and paints it over the target of `cr` (an image surface).
    void desenha(cairo_t* cr);

  private:
    V3 gira(V3 p) const;  // model to camera, no offset
    std::vector<Material> mats_;
    std::vector<Primitiva>* prims_;
    struct Marca { V3 c; double folga; std::function<void(cairo_t*, double, double)> f; };
    std::vector<Marca> marcas_;
    int parte_ = 0, partes_ = 0;
};

// Varied-weight outline of a keyed sprite: dark on the shadow side (below, right), lighter on the lit
// side, each outline pixel a darkened shade of the colour it borders.
void contorna(Picture& p, double forca = 1);

// Painting helpers shared by the 2D drawings.
void contorno(cairo_t* cr, Tinta t, double w = 1.0);
void gradiente_lateral(cairo_t* cr, double x0, double x1, Tinta t);
void gradiente_vertical(cairo_t* cr, double y0, double y1, Tinta topo, Tinta base);
void elipse(cairo_t* cr, double cx, double cy, double rx, double ry);

// Deterministic smooth noise in 0..1 (value noise, several octaves).
double ruido(double x, double y, double z);
double fbm(double x, double y, double z, int oitavas = 3);

}  // namespace boneco
