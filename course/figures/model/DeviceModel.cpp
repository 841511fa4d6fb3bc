// The transport equations of the course's transistor, its temperature laws and the numerical
// solutions the figures need.
#include "model/DeviceModel.h"

#include <cmath>
#include <stdexcept>

#include "model/RootFinder.h"

namespace apostila::figures {

namespace {
constexpr double kBoltzmannOverCharge = 8.617333262e-5;  // V/K
constexpr double kZeroCelsius = 273.15;

double kelvin(double celsius) { return celsius + kZeroCelsius; }
// exp(x) - 1 without overflow far beyond any voltage a figure asks about.
double expm1Clamped(double x) { return std::expm1(std::fmin(x, 80.0)); }
}  // namespace

DeviceModel::DeviceModel(Polarity polarity, DeviceParameters p) : polarity_(polarity), p_(p) {}

double DeviceModel::thermalVoltage(double celsius) { return kBoltzmannOverCharge * kelvin(celsius); }

double DeviceModel::saturationCurrent(double celsius) const {
  const double t = kelvin(celsius), t0 = kelvin(kRoomCelsius);
  return p_.is * std::pow(t / t0, p_.xti) * std::exp(p_.eg / kBoltzmannOverCharge * (1 / t0 - 1 / t));
}

DeviceModel::Terminals DeviceModel::npn(double vbe, double vbc, double celsius) const {
  const double vt = thermalVoltage(celsius);
  const double t = kelvin(celsius), t0 = kelvin(kRoomCelsius);
  const double is = saturationCurrent(celsius);
  const double betaScale = std::pow(t / t0, p_.xtb);
  const double betaF = p_.betaF * betaScale, betaR = p_.betaR * betaScale;
  // The recombination current follows IS's law with its own emission coefficient, and falls
  // with β's temperature law so that low-current β rises with temperature too.
  const double ise = p_.ise * std::pow(t / t0, p_.xti / p_.ne - p_.xtb) *
                     std::exp(p_.eg / (p_.ne * kBoltzmannOverCharge) * (1 / t0 - 1 / t));
  const double fwd = expm1Clamped(vbe / vt), rev = expm1Clamped(vbc / vt);
  // Base charge: the Early effect (a reverse-biased collector junction widening) and high
  // injection at the knee current.
  const double q1 = 1 / std::fmax(1 - vbc / p_.vaf, 1e-3);
  const double q2 = is * fwd / p_.ikf;
  const double qb = q1 * (1 + std::sqrt(1 + 4 * std::fmax(q2, 0.0))) / 2;
  const double transport = is * (fwd - rev) / qb;
  // The leakage of the reverse-biased collector junction, which the ideal terms leave out; it
  // fades to nothing as the junction comes off reverse bias and is gone once it conducts.
  const double leakage = icbo(celsius) * std::fmax(0.0, -std::expm1(vbc / vt));
  Terminals out;
  out.leakage = leakage;
  out.ic = transport - is / betaR * rev + leakage;
  out.ib = is / betaF * fwd + ise * expm1Clamped(vbe / (p_.ne * vt)) + is / betaR * rev - leakage;
  return out;
}

double DeviceModel::collectorCurrent(double vbe, double vce, double celsius) const {
  const double s = sign();
  return s * npn(s * vbe, s * (vbe - vce), celsius).ic;
}

double DeviceModel::baseCurrent(double vbe, double vce, double celsius) const {
  const double s = sign();
  return s * npn(s * vbe, s * (vbe - vce), celsius).ib;
}

template <typename F>
double DeviceModel::solveVbe(F f, double target) {
  // Every current of the model rises with VBE at a fixed VCE, so the root is bracketed and
  // bisection cannot miss it or wander off; 80 halvings leave far less than a microvolt.
  double lo = -1.0, hi = 1.5;
  if (!(f(lo) <= target && f(hi) >= target)) throw std::domain_error("device model: current out of range");
  return RootFinder::rising(f, target, lo, hi, 80);
}

double DeviceModel::baseEmitterVoltage(double ic, double vce, double celsius) const {
  const double s = sign();
  return s * solveVbe([&](double v) { return npn(v, v - s * vce, celsius).ic; }, s * ic);
}

double DeviceModel::outputCurve(double ib, double vce, double celsius) const {
  const double s = sign();
  const double vbe = solveVbe([&](double v) { return npn(v, v - s * vce, celsius).ib; }, s * ib);
  return s * npn(vbe, vbe - s * vce, celsius).ic;
}

// β is the gain of the transistor action alone: the leakage that crosses the collector
// junction is taken out of IC and given back to IB (IC = β · IB + (β + 1) · ICBO), as a
// datasheet's hFE is meant.
double DeviceModel::loadLineVce(double ib, double vcc, double r, double celsius) const {
  // The curve rises with VCE and the line falls, so their difference changes sign once
  // between 0 and VCC.
  const double s = sign();
  double lo = 0, hi = s * vcc;
  auto excess = [&](double v) { return s * outputCurve(ib, s * v, celsius) - (s * vcc - v) / r; };
  if (!(hi > 0 && r > 0) || excess(lo) > 0 || excess(hi) < 0) throw std::domain_error("device model: no operating point");
  return s * RootFinder::rising(excess, 0, lo, hi, 60);
}

double DeviceModel::beta(double ic, double celsius, double vce) const {
  const double s = sign();
  const double vbe = s * baseEmitterVoltage(ic, vce, celsius);
  const Terminals t = npn(vbe, vbe - s * vce, celsius);
  return (t.ic - t.leakage) / (t.ib + t.leakage);
}

double DeviceModel::icbo(double celsius) const {
  return p_.icbo25 * std::exp2((celsius - kRoomCelsius) / p_.icboDoubling);
}

double DeviceModel::iceo(double vce, double celsius) const { return outputCurve(0, sign() * vce, celsius) * sign(); }

double DeviceModel::maxCollectorCurrent(double vce) const { return p_.pmax / std::fabs(vce); }

}  // namespace apostila::figures
