// The painter's techniques of the slides: volumes lit from the upper left without outlines, soft
// blurred layers and cast shadows, paper grain, haze, clouds, rugged ridges, water and foliage, and
// brush strokes of varying width.
#pragma once
#include <cairo.h>

#include <functional>
#include <vector>

#include "interface/pintura.h"

// Blurs an image surface in place (three box passes, close to a gaussian of about `raio` pixels).
void desfoca(cairo_surface_t* s, double raio);

// Paints `desenho` on a layer of its own the size of the target (same transformation), blurs it by
// `raio` and lays it over `cr` at opacity `alfa`.
void camada(cairo_t* cr, double raio, double alfa, const std::function<void(cairo_t*)>& desenho);

// A soft shadow of the current path (kept), cast down and to the right by (dx, dy).
void sombra(cairo_t* cr, double dx, double dy, double raio, double alfa, Tom c = Tom{0.08, 0.05, 0.06});

// Fills the current path (cleared) as a volume lit from the upper left: a linear gradient across
// its extents from `luz` lighter to `escuridao` darker, no outline.
void volume(cairo_t* cr, Tom base, double luz = 0.35, double escuridao = 0.45, double angulo = 0.8);
// The same as a rounded form: a radial gradient with the light spot at the upper left.
void bojo(cairo_t* cr, Tom base, double luz = 0.4, double escuridao = 0.5);
// A thin light rim along the path's upper-left edges (the path is kept).
void aro(cairo_t* cr, Tom c, double largura, double alfa);

// Paper and canvas grain over the whole target: fine noise and long fibres, strength about 0.03..0.1.
void grao(cairo_t* cr, uint64_t semente, double forca);
// Darkens the corners a little, as the eye does on a painting.
void vinheta(cairo_t* cr, double w, double h, double alfa);
// A horizontal band of haze between y0 (clear) and y1 (densest), then fading again to y2.
void nevoa(cairo_t* cr, double w, double y0, double y1, double y2, Tom c, double alfa);
// A glowing sun or moon: a bright core, a lit disc and two halos.
void sol(cairo_t* cr, double x, double y, double r, Tom c, double halo);
// The moon: the glowing disc with its grey seas and a shaded limb.
void lua(cairo_t* cr, double x, double y, double r, Tom c, double halo);
// A heap cloud: many lit puffs, bright on the side of the light (`lado` -1 left, +1 right, 0 above),
// darker underneath, softened.
void nuvem(cairo_t* cr, Rng& rng, double cx, double cy, double larg, double alt, Tom luz, Tom sombra, double alfa,
           double lado = -1);
// A rugged ridge across the width w: mean height y, amplitude amp, filled down to h; the slopes
// facing the light are lighter, a thin rim of `borda` along the crest.
void serra(cairo_t* cr, Rng& rng, double w, double h, double y, double amp, Tom c, Tom borda, double aspereza = 0.5);
// The light and shade of the slopes and the lit crest of a ridge whose outline is the current path
// (cleared), its top at `topo` every `passo` pixels from x 0.
void relevo(cairo_t* cr, Rng& rng, const std::vector<double>& topo, double passo, double h, double amp, Tom c, Tom borda);
// Water between y0 and y1: base colours, rippled strokes, and a glitter column under x `xbrilho`
// (none when negative).
void agua(cairo_t* cr, Rng& rng, double w, double y0, double y1, Tom perto, Tom longe, Tom brilho, double xbrilho);
// A clump of foliage: many dabs, lit on the upper left, dark under the lower right.
void folhagem(cairo_t* cr, Rng& rng, double cx, double cy, double rx, double ry, Tom c, int quantas, double tam = 1);

// A brush stroke along a smooth line through the points, each with its own width: ink pools where the
// brush stops (unless `poca` is false: bark, not ink) and dries out in thin streaks at a fast tail.
struct PontoPincel {
    double x, y, larg;
};
void pincelada(cairo_t* cr, const std::vector<PontoPincel>& pontos, Tom tinta, Rng& rng, double seco = 0, bool poca = true);
