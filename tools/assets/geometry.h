// Mesh builder of the asset generator: flat-coloured triangles, shaded by face direction
// (the game has no lighting), written as Wavefront OBJ + MTL in the subset the game reads.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace assets {

struct V3 {
    double x = 0, y = 0, z = 0;
};
inline V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V3 operator*(V3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
V3 cross(V3 a, V3 b);
double dot(V3 a, V3 b);
V3 normalized(V3 a);
double length(V3 a);

// An RGB colour, channels 0..1.
struct Rgb {
    double r = 0, g = 0, b = 0;
};
Rgb mix(Rgb a, Rgb b, double t);

// Affine transform: rows of a 3 x 4 matrix.
struct Xform {
    double m[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};
    V3 apply(V3 p) const;
    Xform operator*(const Xform& o) const;
    static Xform translate(double x, double y, double z);
    static Xform rotate_y(double degrees);  // turns +Z toward +X
    static Xform rotate_x(double degrees);  // turns +Y toward +Z
    static Xform rotate_z(double degrees);  // turns +X toward +Y
    static Xform scale(double sx, double sy, double sz);
};

// How a face is coloured.
enum class Shade {
    Lit,   // by its normal: tops bright, faces toward the camera (-Z) lighter than the far side
    Flat,  // the base colour exactly (glyphs, markers' emissive parts)
};

class Mesh {
public:
    explicit Mesh(std::string name) : name_(std::move(name)), stack_(1) {}

    const std::string& name() const { return name_; }

    // Placement of everything added next; push/pop nest like a matrix stack.
    void push(const Xform& x);
    void pop();

    // Convex polygon, corners counter-clockwise seen from outside (normal by the right-hand rule).
    void poly(const std::vector<V3>& pts, Rgb c, Shade s = Shade::Lit);
    // Flat piece seen from both sides: front and back faces, each shaded by its own normal.
    void panel(const std::vector<V3>& pts, Rgb c);
    void tri(V3 a, V3 b, V3 c, Rgb col, Shade s = Shade::Lit) { poly({a, b, c}, col, s); }

    // Axis-aligned box (in the current placement); bottom face left out unless `bottom`.
    void box(double x0, double y0, double z0, double x1, double y1, double z1, Rgb c,
             bool bottom = false);
    // Box from 8 corners: bottom ring b0..b3 then top ring t0..t3, counter-clockwise seen from
    // above.
    void hexa(const V3 (&p)[8], Rgb c, bool bottom = false);
    // Square beam of half-width `hw` from a to b.
    void beam(V3 a, V3 b, double hw, Rgb c);
    // Vertical prism (cylinder) / frustum / cone around (cx, cz).
    void frustum(double cx, double cz, double r0, double r1, double y0, double y1, int n, Rgb c,
                 bool top = true, double phase = 0.5);
    void cylinder(double cx, double cz, double r, double y0, double y1, int n, Rgb c) {
        frustum(cx, cz, r, r, y0, y1, n, c);
    }
    void cone(double cx, double cz, double r, double y0, double y1, int n, Rgb c,
              double phase = 0.5);
    // Cylinder lying along an arbitrary axis from a to b.
    void tube(V3 a, V3 b, double r, int n, Rgb side, Rgb cap);
    // Gable roof over x0..x1, z0..z1 from eave height y0 to ridge y1; ridge along X when
    // `along_x`, else along Z. Gable triangles get `gable` colour.
    void gable_roof(double x0, double z0, double x1, double z1, double y0, double y1, bool along_x,
                    Rgb roof, Rgb gable, double thickness = 0.02);
    // Narrow band across quad (a0, a1, b1, b0) at fraction t from edge a toward edge b, lifted
    // a hair off the surface: roof courses, painted lines.
    void stripe(V3 a0, V3 a1, V3 b1, V3 b0, double t, double w, Rgb c);
    // Four-sided pyramid roof.
    void hip_roof(double x0, double z0, double x1, double z1, double y0, double y1, Rgb roof);
    // Upward (h > 0) or downward (h < 0) pointing square pyramid with base at y.
    void pyramid(double cx, double cz, double half, double y, double h, Rgb c);
    // Flat quad on the ground at height y (for paths, water, soil patches).
    void ground_quad(double x0, double z0, double x1, double z1, double y, Rgb c);
    void ground_disc(double cx, double cz, double r, double y, int n, Rgb c);

    size_t triangle_count() const { return faces_.size(); }
    // Smallest and largest coordinate over all vertices.
    void bounds(V3& lo, V3& hi) const;

    // Writes NAME.obj and NAME.mtl into `dir` (which must exist); returns false on an I/O error.
    bool write(const std::string& dir) const;

private:
    int material(Rgb c);
    int add_vertex(V3 p);

    struct Face {
        int a, b, c, mat;
    };
    struct Material {
        std::string name;
        Rgb colour;
    };
    std::string name_;
    std::vector<Xform> stack_;  // placement stack, identity at the bottom
    std::vector<V3> verts_;
    std::map<std::string, int> vertex_index_;  // shared corners, keyed by their written text
    std::vector<Face> faces_;
    std::vector<Material> mats_;
};

// Brightness factor for a face normal (already normalised): up 1.0, toward the camera (-Z)
// brighter than +Z, -X a little brighter than +X.
double shade_factor(V3 n);

// Area-weighted normal of a polygon (right-hand rule over its corner order).
V3 newell(const std::vector<V3>& pts);

// Fixed formatting of a number for the data files ("%.4f", never "-0.0000").
std::string num(double v);

}  // namespace assets
