#include "elda/SvGrundlagenTeilung.h"

namespace lohn {

SvGrundlagenTeile TeileSvGrundlagen(const AbrechnungRecord& r, bool mitFiktiv) {
  const double ueber = r.SueberschreitungEdit;
  const double darueber = r.ueberMaxSVBeitrGrdlSZUeberJSechstel_SV;
  SvGrundlagenTeile t;
  t.allgemein = r.SVBeitragsgrundlageEdit + darueber - ueber + (mitFiktiv ? r.fiktiveBMGedit : 0);
  t.sonderzahlung = r.SVBeitragsGrundlageSonderzahlungEdit + ueber - darueber;
  return t;
}

}  // namespace lohn
