#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace assets {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

V3 cross(V3 a, V3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double length(V3 a) { return std::sqrt(dot(a, a)); }
V3 normalized(V3 a) {
    double l = length(a);
    return l > 0 ? a * (1.0 / l) : V3{0, 1, 0};
}

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

V3 Xform::apply(V3 p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3],
            m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3],
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + m[2][3]};
}

Xform Xform::operator*(const Xform& o) const {
    Xform r;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 4; ++j) {
            double s = (j == 3) ? m[i][3] : 0.0;
            for (int k = 0; k < 3; ++k) s += m[i][k] * o.m[k][j];
            r.m[i][j] = s;
        }
    }
    return r;
}

Xform Xform::translate(double x, double y, double z) {
    Xform r;
    r.m[0][3] = x;
    r.m[1][3] = y;
    r.m[2][3] = z;
    return r;
}

// A turn by deg degrees in the plane of axes i and j, from i toward j.
static Xform otocenie(int i, int j, double deg) {
    double a = deg * kPi / 180.0, c = std::cos(a), s = std::sin(a);
    Xform r;
    r.m[i][i] = c;
    r.m[i][j] = -s;
    r.m[j][i] = s;
    r.m[j][j] = c;
    return r;
}

Xform Xform::rotate_y(double deg) { return otocenie(2, 0, deg); }
Xform Xform::rotate_x(double deg) { return otocenie(1, 2, deg); }
Xform Xform::rotate_z(double deg) { return otocenie(0, 1, deg); }

Xform Xform::scale(double sx, double sy, double sz) {
    Xform r;
    r.m[0][0] = sx;
    r.m[1][1] = sy;
    r.m[2][2] = sz;
    return r;
}

V3 newell(const std::vector<V3>& pts) {
    V3 n{};
    for (size_t i = 0; i < pts.size(); ++i) {
        const V3& a = pts[i];
        const V3& b = pts[(i + 1) % pts.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

double shade_factor(V3 n) {
    double s = 0.60 + 0.40 * n.y - 0.16 * n.z - 0.08 * n.x;
    return std::clamp(s, 0.34, 1.0);
}

std::string num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    std::string s = buf;
    if (s == "-0.0000") s = "0.0000";
    return s;
}

void Mesh::push(const Xform& x) { stack_.push_back(stack_.back() * x); }

void Mesh::pop() {
    if (stack_.size() > 1) stack_.pop_back();
}

int Mesh::add_vertex(V3 p) {
    V3 w = stack_.back().apply(p);
    std::string key = num(w.x) + " " + num(w.y) + " " + num(w.z);
    auto it = vertex_index_.find(key);
    if (it != vertex_index_.end()) return it->second;
    verts_.push_back(w);
    int id = static_cast<int>(verts_.size());  // 1-based, as the OBJ counts
    vertex_index_.emplace(key, id);
    return id;
}

int Mesh::material(Rgb c) {
    auto q = [](double v) {
        return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
    };
    char name[32];
    std::snprintf(name, sizeof name, "c%02x%02x%02x", q(c.r), q(c.g), q(c.b));
    for (size_t i = 0; i < mats_.size(); ++i)
        if (mats_[i].name == name) return static_cast<int>(i);
    mats_.push_back({name, {q(c.r) / 255.0, q(c.g) / 255.0, q(c.b) / 255.0}});
    return static_cast<int>(mats_.size() - 1);
}

void Mesh::poly(const std::vector<V3>& pts, Rgb c, Shade s) {
    if (pts.size() < 3) return;
    std::vector<int> idx;
    std::vector<V3> world;
    for (const V3& p : pts) {
        idx.push_back(add_vertex(p));
        world.push_back(stack_.back().apply(p));
    }
    V3 n = newell(world);
    Rgb col = c;
    if (s == Shade::Lit) {
        double f = shade_factor(normalized(n));
        // Faces in shadow drift slightly toward blue, lit ones stay warm.
        col = {c.r * f, c.g * f, c.b * (f + (1.0 - f) * 0.18)};
    }
    int m = material(col);
    for (size_t i = 1; i + 1 < idx.size(); ++i) {
        if (idx[0] == idx[i] || idx[i] == idx[i + 1] || idx[0] == idx[i + 1])
            continue;  // collapsed corner
        faces_.push_back({idx[0], idx[i], idx[i + 1], m});
    }
}

void Mesh::panel(const std::vector<V3>& pts, Rgb c) {
    poly(pts, c);
    // The back face sits a hair behind the front one, so neither side flickers through the other.
    V3 off = normalized(newell(pts)) * -0.0015;
    std::vector<V3> back;
    for (auto it = pts.rbegin(); it != pts.rend(); ++it) back.push_back(*it + off);
    poly(back, c);
}

void Mesh::hexa(const V3 (&p)[8], Rgb c, bool bottom) {
    const V3 *b = p, *t = p + 4;
    poly({t[0], t[1], t[2], t[3]}, c);
    for (int i = 0; i < 4; ++i) {
        int j = (i + 1) % 4;
        poly({b[i], b[j], t[j], t[i]}, c);
    }
    if (bottom) poly({b[3], b[2], b[1], b[0]}, c);
}

void Mesh::box(double x0, double y0, double z0, double x1, double y1, double z1, Rgb c,
               bool bottom) {
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    if (z0 > z1) std::swap(z0, z1);
    // Counter-clockwise seen from above: (x0,z0) -> (x0,z1) -> (x1,z1) -> (x1,z0).
    V3 p[8] = {{x0, y0, z0}, {x0, y0, z1}, {x1, y0, z1}, {x1, y0, z0},
               {x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}};
    hexa(p, c, bottom);
}

void Mesh::beam(V3 a, V3 b, double hw, Rgb c) {
    V3 d = normalized(b - a);
    V3 ref = std::fabs(d.y) < 0.9 ? V3{0, 1, 0} : V3{1, 0, 0};
    V3 u = normalized(cross(d, ref)) * hw;
    V3 v = normalized(cross(u, d)) * hw;
    V3 p[8] = {a - u - v, a - u + v, a + u + v, a + u - v,
               b - u - v, b - u + v, b + u + v, b + u - v};
    // Orientation of the ring depends on d; make the end at `b` the "top" with an outward normal.
    if (dot(newell({p[0], p[1], p[2], p[3]}), d) < 0) {
        std::swap(p[1], p[3]);
        std::swap(p[5], p[7]);
    }
    hexa(p, c, true);
}

void Mesh::frustum(double cx, double cz, double r0, double r1, double y0, double y1, int n, Rgb c,
                   bool top, double phase) {
    std::vector<V3> lo, hi;
    for (int i = 0; i < n; ++i) {
        double a = 2 * kPi * (i + phase) / n;
        // Counter-clockwise seen from above (+Y): x = sin, z = cos runs clockwise, so negate.
        double sx = std::sin(a), sz = -std::cos(a);
        lo.push_back({cx + r0 * sx, y0, cz + r0 * sz});
        hi.push_back({cx + r1 * sx, y1, cz + r1 * sz});
    }
    if (r0 <= 1e-9 && r1 <= 1e-9) return;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        std::vector<V3> q = {lo[i], lo[j], hi[j], hi[i]};
        V3 mid = (lo[i] + lo[j] + hi[i] + hi[j]) * 0.25;
        V3 out = {mid.x - cx, 0, mid.z - cz};
        if (dot(newell(q), out) < 0) std::reverse(q.begin(), q.end());
        poly(q, c);  // a zero radius collapses two corners; poly drops the empty triangle
    }
    if (top && r1 > 1e-9) {
        std::vector<V3> cap = hi;
        if (newell(cap).y < 0) std::reverse(cap.begin(), cap.end());
        poly(cap, c);
    }
}

void Mesh::cone(double cx, double cz, double r, double y0, double y1, int n, Rgb c, double phase) {
    frustum(cx, cz, r, 0.0, y0, y1, n, c, false, phase);
}

void Mesh::tube(V3 a, V3 b, double r, int n, Rgb side, Rgb cap) {
    V3 d = normalized(b - a);
    V3 ref = std::fabs(d.y) < 0.9 ? V3{0, 1, 0} : V3{1, 0, 0};
    V3 u = normalized(cross(d, ref));
    V3 v = normalized(cross(u, d));
    std::vector<V3> ra, rb;
    for (int i = 0; i < n; ++i) {
        double t = 2 * kPi * (i + 0.5) / n;
        V3 o = u * (std::cos(t) * r) + v * (std::sin(t) * r);
        ra.push_back(a + o);
        rb.push_back(b + o);
    }
    V3 centre = (a + b) * 0.5;
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        std::vector<V3> q = {ra[i], ra[j], rb[j], rb[i]};
        V3 mid = (ra[i] + ra[j] + rb[i] + rb[j]) * 0.25;
        if (dot(newell(q), mid - centre) < 0) std::reverse(q.begin(), q.end());
        poly(q, side);
    }
    std::vector<V3> ca = ra, cb = rb;
    if (dot(newell(ca), d) > 0) std::reverse(ca.begin(), ca.end());
    if (dot(newell(cb), d) < 0) std::reverse(cb.begin(), cb.end());
    poly(ca, cap);
    poly(cb, cap);
}

void Mesh::stripe(V3 a0, V3 a1, V3 b1, V3 b0, double t, double w, Rgb c) {
    auto at = [](V3 p, V3 q, double u) { return p + (q - p) * u; };
    V3 n = normalized(newell({a0, a1, b1, b0})) * 0.004;
    poly({at(a0, b0, t - w) + n, at(a1, b1, t - w) + n, at(a1, b1, t + w) + n,
          at(a0, b0, t + w) + n},
         c);
}

void Mesh::gable_roof(double x0, double z0, double x1, double z1, double y0, double y1,
                      bool along_x, Rgb roof, Rgb gable, double th) {
    Rgb line = mix(roof, Rgb{0, 0, 0}, 0.22), ridge = mix(roof, Rgb{0, 0, 0}, 0.4);
    // Each slope: ridge edge r0 -> r1, eave edge e1 -> e0, counter-clockwise seen from outside;
    // courses of tiles or thatch are drawn as darker stripes parallel to the ridge.
    auto slope = [&](V3 r0, V3 r1, V3 e1, V3 e0) {
        poly({r0, r1, e1, e0}, roof);
        for (double t : {0.30, 0.62}) stripe(r0, r1, e1, e0, t, 0.035, line);
        V3 d{0, -th, 0};
        poly({e0, e1, e1 + d, e0 + d}, roof);  // eave edge
    };
    if (along_x) {
        double zm = (z0 + z1) / 2;
        slope({x0, y1, zm}, {x1, y1, zm}, {x1, y0, z0}, {x0, y0, z0});
        slope({x1, y1, zm}, {x0, y1, zm}, {x0, y0, z1}, {x1, y0, z1});
        poly({{x0, y0, z1}, {x0, y1, zm}, {x0, y0, z0}, {x0, y0 - th, z0}, {x0, y0 - th, z1}},
             gable);
        poly({{x1, y0, z0}, {x1, y1, zm}, {x1, y0, z1}, {x1, y0 - th, z1}, {x1, y0 - th, z0}},
             gable);
        beam({x0 - 0.005, y1, zm}, {x1 + 0.005, y1, zm}, 0.012, ridge);
    } else {
        double xm = (x0 + x1) / 2;
        slope({xm, y1, z1}, {xm, y1, z0}, {x0, y0, z0}, {x0, y0, z1});
        slope({xm, y1, z0}, {xm, y1, z1}, {x1, y0, z1}, {x1, y0, z0});
        poly({{x0, y0, z0}, {xm, y1, z0}, {x1, y0, z0}, {x1, y0 - th, z0}, {x0, y0 - th, z0}},
             gable);
        poly({{x1, y0, z1}, {xm, y1, z1}, {x0, y0, z1}, {x0, y0 - th, z1}, {x1, y0 - th, z1}},
             gable);
        beam({xm, y1, z0 - 0.005}, {xm, y1, z1 + 0.005}, 0.012, ridge);
    }
}

void Mesh::hip_roof(double x0, double z0, double x1, double z1, double y0, double y1, Rgb roof) {
    V3 apex{(x0 + x1) / 2, y1, (z0 + z1) / 2};
    Rgb line = mix(roof, Rgb{0, 0, 0}, 0.22);
    V3 ring[4] = {{x1, y0, z0}, {x0, y0, z0}, {x0, y0, z1}, {x1, y0, z1}};  // clockwise from above
    for (int i = 0; i < 4; ++i) {
        V3 a = ring[i], b = ring[(i + 1) % 4];
        poly({a, b, apex}, roof);
        for (double t : {0.28, 0.58}) stripe(apex, apex, a, b, 1.0 - t, 0.035, line);
    }
}

void Mesh::pyramid(double cx, double cz, double h2, double y, double h, Rgb c) {
    // Base ring counter-clockwise seen from above.
    V3 a{cx - h2, y, cz - h2}, b{cx - h2, y, cz + h2}, d{cx + h2, y, cz + h2},
        e{cx + h2, y, cz - h2};
    V3 apex{cx, y + h, cz};
    if (h > 0) {
        poly({a, b, apex}, c);
        poly({b, d, apex}, c);
        poly({d, e, apex}, c);
        poly({e, a, apex}, c);
        poly({e, d, b, a}, c);
    } else {
        poly({b, a, apex}, c);
        poly({d, b, apex}, c);
        poly({e, d, apex}, c);
        poly({a, e, apex}, c);
        poly({a, b, d, e}, c);
    }
}

void Mesh::ground_quad(double x0, double z0, double x1, double z1, double y, Rgb c) {
    poly({{x0, y, z0}, {x0, y, z1}, {x1, y, z1}, {x1, y, z0}}, c);
}

void Mesh::ground_disc(double cx, double cz, double r, double y, int n, Rgb c) {
    std::vector<V3> pts;
    for (int i = 0; i < n; ++i) {
        double a = 2 * kPi * (i + 0.5) / n;
        pts.push_back({cx + r * std::sin(a), y, cz + r * std::cos(a)});
    }
    if (newell(pts).y < 0) std::reverse(pts.begin(), pts.end());
    poly(pts, c);
}

void Mesh::bounds(V3& lo, V3& hi) const {
    lo = {1e9, 1e9, 1e9};
    hi = {-1e9, -1e9, -1e9};
    for (const V3& v : verts_) {
        lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
        hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
    }
}

bool Mesh::write(const std::string& dir) const {
    std::string mtl_name = name_ + ".mtl";
    {
        std::ofstream m(dir + "/" + mtl_name, std::ios::binary);
        if (!m) return false;
        m << "# Varnhold materials: " << name_ << "\n";
        m << "# Material Count: " << mats_.size() << "\n";
        for (const Material& mt : mats_) {
            m << "\nnewmtl " << mt.name << "\n";
            m << "Kd " << num(mt.colour.r) << " " << num(mt.colour.g) << " " << num(mt.colour.b)
              << "\n";
        }
        if (!m) return false;
    }
    std::ofstream o(dir + "/" + name_ + ".obj", std::ios::binary);
    if (!o) return false;
    o << "# Varnhold model: " << name_ << "\n";
    o << "mtllib " << mtl_name << "\n";
    o << "o " << name_ << "\n";
    for (const V3& v : verts_) o << "v " << num(v.x) << " " << num(v.y) << " " << num(v.z) << "\n";
    // Faces grouped by material, each group in the order the faces were made.
    for (size_t mi = 0; mi < mats_.size(); ++mi) {
        bool any = false;
        for (const Face& f : faces_) {
            if (f.mat != static_cast<int>(mi)) continue;
            if (!any) o << "usemtl " << mats_[mi].name << "\n";
            any = true;
            o << "f " << f.a << " " << f.b << " " << f.c << "\n";
        }
    }
    return static_cast<bool>(o);
}

}  // namespace assets
