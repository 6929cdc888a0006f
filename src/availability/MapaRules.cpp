// The availability map's pure rules, free of widgets and of the database.

#include "availability/MapaRules.h"

#include "availability/MapaTexts.h"

namespace mapa {

EstadoMapa proximoEstado(EstadoMapa atual, EventoMapa evento) {
    switch (evento) {
    case EventoMapa::NovasVagas: return EstadoMapa::Novo;
    case EventoMapa::Alterar: return EstadoMapa::Alterar;
    case EventoMapa::Cancelar:
    case EventoMapa::Excluir: return EstadoMapa::Cancelar;
    case EventoMapa::GravouComAreas: return atual == EstadoMapa::Novo ? EstadoMapa::NovoComArea : atual;
    case EventoMapa::FimGravar: return EstadoMapa::Vazio;
    }
    return atual;
}

QString estadoTexto(EstadoMapa estado) {
    switch (estado) {
    case EstadoMapa::Vazio: return {};
    case EstadoMapa::Novo: return QStringLiteral("novo");
    case EstadoMapa::Alterar: return QStringLiteral("alterar");
    case EstadoMapa::Cancelar: return QStringLiteral("cancelar");
    case EstadoMapa::NovoComArea: return QStringLiteral("novoComArea");
    }
    return {};
}

bool recarregaDia(EstadoMapa estado) { return estado != EstadoMapa::Novo && estado != EstadoMapa::Alterar; }

std::optional<QTime> horaValida(const QString& text) {
    const QTime t = QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
    if (!t.isValid())
        return std::nullopt;
    return t;
}

std::optional<int> numero(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

namespace {

// A mask's text with its separators and blanks taken out: empty when nothing was typed.
bool semDigitos(const QString& text, QChar separador) {
    QString t = text;
    t.remove(separador);
    return t.trimmed().isEmpty();
}

bool ehZero(const QString& text) { return numero(text) == 0; }

bool ehCanina(const QString& especie) { return especie.trimmed().compare(QStringLiteral("CANINA"), Qt::CaseInsensitive) == 0; }

int valor(const QString& text) { return numero(text).value_or(0); }

}  // namespace

std::optional<QString> checaSaidaHora(const QString& text) {
    if (semDigitos(text, QLatin1Char(':')) || horaValida(text))
        return std::nullopt;
    return kHoraInvalida.arg(text);
}

SaidaQuantidade checaSaidaQuantidade(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return SaidaQuantidade::Aceita;
    const auto n = numero(t);
    if (!n)
        return SaidaQuantidade::Mantem;
    return (t.size() > 3 || *n < 0) ? SaidaQuantidade::Limpa : SaidaQuantidade::Aceita;
}

std::optional<Recusa> checaGravarMapa(VagaDigitada& v) {
    if (v.geral.trimmed().isEmpty())
        v.geral = QStringLiteral("0");
    if (v.femea.trimmed().isEmpty())
        v.femea = QStringLiteral("0");
    if (!ehZero(v.geral) && !ehZero(v.femea) && ehCanina(v.especie)) {
        v.femea = QStringLiteral("0");
        return Recusa{kCaninaSeparada, Campo::Femea, true};
    }
    if (v.idEspecie == 2 && valor(v.femea) > 0)
        return Recusa{kFelinoFemea, Campo::Femea};
    if (v.unidade.trimmed().isEmpty())
        return Recusa{kUnidadeObrigatoria, Campo::Unidade};
    if (v.procedimento.trimmed().isEmpty())
        return Recusa{kProcedimentoObrigatorio, Campo::Procedimento};
    if (semDigitos(v.hora, QLatin1Char(':')))
        return Recusa{kHoraObrigatoria, Campo::Hora};
    if (!horaValida(v.hora))
        return Recusa{kHoraInvalida.arg(v.hora), Campo::Hora};
    const auto geral = numero(v.geral), femea = numero(v.femea);
    if (!geral)
        return Recusa{kGeralInvalido, Campo::Geral};
    if (!femea)
        return Recusa{kFemeaInvalida, Campo::Femea};
    if (*geral < 0)
        return Recusa{kGeralNegativo, Campo::Geral};
    if (*femea < 0)
        return Recusa{kFemeaNegativa, Campo::Femea};
    if (v.especie.trimmed().isEmpty())
        return Recusa{kFaltaEspecie, Campo::Especie};
    if (v.geral.trimmed().size() > 3)
        return Recusa{kGeralInvalido + kAte999, Campo::Geral};
    if (v.femea.trimmed().size() > 3)
        return Recusa{kFemeaInvalida + kAte999, Campo::Femea};
    if (*geral == 0 && *femea == 0)
        return Recusa{kNenhumaVaga, Campo::Geral};
    return std::nullopt;
}

std::optional<Recusa> checaGravarRascunho(VagaDigitada& v) {
    if (v.unidade.trimmed().isEmpty())
        return Recusa{kFaltaUnidade, Campo::Unidade};
    if (v.procedimento.trimmed().isEmpty())
        return Recusa{kFaltaProcedimento, Campo::Procedimento};
    if (v.especie.trimmed().isEmpty())
        return Recusa{kFaltaEspecieRascunho, Campo::Especie};
    if (semDigitos(v.data, QLatin1Char('/')))
        return Recusa{kFaltaData, Campo::Data};
    if (semDigitos(v.hora, QLatin1Char(':')))
        return Recusa{kFaltaHorario, Campo::Hora};
    if (v.geral.trimmed().isEmpty())
        return Recusa{kFaltaGeral, Campo::Geral, false, true};
    if (v.femea.trimmed().isEmpty()) {
        if (v.idEspecie != 2)
            return Recusa{kFaltaFemea, Campo::Femea, false, true};
        v.femea = QStringLiteral("0");
    }
    const auto geral = numero(v.geral), femea = numero(v.femea);
    if (geral && *geral < 0)
        return Recusa{kGeralNegativo, Campo::Geral};
    if (femea && *femea < 0)
        return Recusa{kFemeaNegativa, Campo::Femea};
    if (!QDate::fromString(v.data.trimmed(), QStringLiteral("dd/MM/yyyy")).isValid())
        return Recusa{kDataInvalida, Campo::Data, false, true};
    if (!horaValida(v.hora))
        return Recusa{kHoraInvalidaRascunho, Campo::Hora, false, true};
    if (!ehZero(v.geral) && !ehZero(v.femea) && ehCanina(v.especie)) {
        v.femea = QStringLiteral("0");
        return Recusa{kCaninaSeparada, Campo::Femea, true};
    }
    if (v.idEspecie == 2 && valor(v.femea) > 0)
        return Recusa{kFelinaFemea, Campo::Femea};
    if (!geral || *geral > 99)
        return Recusa{kGeralInvalido + kAte99, Campo::Geral};
    if (!femea || *femea > 99)
        return Recusa{kFemeaInvalida + kAte99, Campo::Femea};
    if (*geral == 0 && *femea == 0)
        return Recusa{kNenhumaVaga, Campo::Geral};
    return std::nullopt;
}

QDateTime dataHora(const QDate& dia, const QString& hora) {
    return QDateTime(dia, horaValida(hora).value_or(QTime(0, 0)));
}

std::optional<QString> checaUsadas(int usadaGeral, int usadaFemea, int geral, int femea) {
    if (usadaGeral > geral)
        return kUsadaGeral;
    if (usadaFemea > femea)
        return kUsadaFemea;
    return std::nullopt;
}

GradeMes gradeMes(int ano, int mes) {
    static const QStringList dias{"Domingo", "Segunda-feira", "Terça-feira", "Quarta-feira",
                                  "Quinta-feira", "Sexta-feira", "Sábado"};
    GradeMes g{};
    for (int c = 0; c < 7; ++c)
        g[0][c] = dias[c];
    const QDate primeiro(ano, mes, 1);
    int celula = primeiro.dayOfWeek() % 7;  // Sunday first
    for (int dia = 1; dia <= primeiro.daysInMonth(); ++dia, ++celula)
        g[1 + celula / 7][celula % 7] = QString::number(dia);
    return g;
}

QString nomeMes(int mes) {
    static const QStringList nomes{"Janeiro", "Fevereiro", "Março", "Abril", "Maio", "Junho",
                                   "Julho", "Agosto", "Setembro", "Outubro", "Novembro", "Dezembro"};
    return mes >= 1 && mes <= 12 ? nomes[mes - 1] : QString();
}

QDate mesDeslocado(const QDate& hoje, int deslocamento) {
    return QDate(hoje.year(), hoje.month(), 1).addMonths(deslocamento);
}

QString alternaMarca(const QString& celula, const QString& hora) {
    if (celula.trimmed().isEmpty())
        return celula;
    if (celula.size() < 3)
        return celula.left(2) + QStringLiteral("  ") + hora;
    return celula.left(2);
}

bool marcada(const QString& celula) { return celula.trimmed().size() >= 3; }

QList<int> diasMarcados(const GradeMes& grade) {
    QList<int> dias;
    for (int c = 0; c < 7; ++c)
        for (int r = 1; r < 7; ++r)
            if (marcada(grade[r][c]))
                dias << grade[r][c].left(2).trimmed().toInt();
    return dias;
}

QString textoResumoMes(const QList<LinhaResumo>& linhas) {
    QStringList out{QString()};
    int geral = 0, femea = 0, usadaGeral = 0, usadaFemea = 0;
    const auto fecha = [&] {
        out << QString(95, QLatin1Char('-'));
        out << QStringLiteral("Total de vagas geral:%1 total de vagas Fêmea:%2  qt usada geral: %3 qt usada fêmea:%4")
                   .arg(geral).arg(femea).arg(usadaGeral).arg(usadaFemea);
        out << QStringLiteral("  ");
    };
    int unidadeAnterior = 0;
    QString diaAnterior;
    for (const LinhaResumo& l : linhas) {
        if (l.idUnidade != unidadeAnterior) {
            if (unidadeAnterior != 0)
                fecha();
            out << QStringLiteral("==============") + l.unidade + QStringLiteral("=============");
            geral = femea = usadaGeral = usadaFemea = 0;
            diaAnterior.clear();
            unidadeAnterior = l.idUnidade;
        }
        const QDate d = l.dataHora.date();
        const QString dia = QStringLiteral("Dia %1 de %2 de %3")
                                .arg(d.day(), 2, 10, QLatin1Char('0')).arg(nomeMes(d.month())).arg(d.year());
        if (dia != diaAnterior)
            out << dia;
        diaAnterior = dia;
        const QString area = l.area.isNull() ? QStringLiteral(" Vaga para toda regional")
                                             : QStringLiteral(" %1 - %2").arg(l.area.toString(), l.nomeArea);
        out << QStringLiteral("   *  %1Hs %2, vagas geral:%3, vagas para fêmea:%4, qt usada geral:%5, qt usada fêmea:%6")
                   .arg(l.dataHora.toString(QStringLiteral("HH:mm")), area)
                   .arg(l.geral).arg(l.femea).arg(l.usadaGeral).arg(l.usadaFemea);
        geral += l.geral;
        femea += l.femea;
        usadaGeral += l.usadaGeral;
        usadaFemea += l.usadaFemea;
    }
    fecha();
    return out.join(QLatin1Char('\n'));
}

QString horaDaVaga(const QDateTime& value) { return value.time().toString(QStringLiteral("HH:mm")); }

}  // namespace mapa
