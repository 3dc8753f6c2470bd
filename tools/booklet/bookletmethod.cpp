#include "bookletmethod.h"

#include "booklet.h"
#include "bookletwriter.h"

#include <cmath>

namespace Booklet {

Method spatialMethod()
{
    return {
        "Voir dans sa tête des pièces que l’on tourne et que l’on assemble. Les pièces du cadre bleu, "
        "tournées chacune à sa façon, forment exactement une des cinq figures A à E.",
        {
            "Le contour d’abord : la forme extérieure et la taille de l’ensemble. Elles écartent souvent "
            "deux ou trois figures d’un coup d’œil.",
            "Puis les découpes : prenez la pièce la plus reconnaissable (un angle aigu, un arrondi, un "
            "coude) et cherchez où elle se loge ; suivez chaque trait de la figure de son départ à son "
            "arrivée.",
            "Tournez les pièces, ne les retournez jamais : une figure qui ne s’obtient qu’en retournant une "
            "pièce, comme dans un miroir, est fausse.",
            "Entre deux figures presque identiques, regardez les extrémités des traits : c’est là que la "
            "différence se cache le plus souvent.",
        },
        {
            "un trait dont une extrémité, ou le coude, est un peu déplacé ;",
            "une figure de même forme, mais plus grande, plus petite, plus large ou plus étroite ;",
            "l’image miroir de la bonne figure ;",
            "une figure intérieure ou un trait qu’aucune pièce ne donne.",
        },
        "Chaque pièce porte un numéro ; la flèche rouge autour de ce numéro montre le sens dans lequel la "
        "tourner pour la mettre en place, et le texte donne l’angle : sens horaire, celui des aiguilles "
        "d’une montre, ou sens antihoraire, l’inverse. Sur les autres figures, la différence est entourée en "
        "rouge, ou indiquée par une flèche (taille) ou un axe en pointillés (miroir).",
    };
}

Method pathMethod()
{
    return {
        "Se mettre à la place de celui qui marche : un virage se dit à droite ou à gauche selon la direction "
        "de marche, pas selon la page.",
        {
            "Lisez d’abord la question : elle demande les virages à droite, ou ceux à gauche.",
            "Partez du bas de l’image, là où le chemin commence, et suivez-le jusqu’à la flèche ; gardez le "
            "doigt ou la pointe du crayon sur le trait.",
            "À chaque virage, demandez-vous de quel côté vous tourneriez en marchant. Tant que le chemin "
            "monte, la droite de la page est votre droite.",
            "Quand le chemin descend vers le bas de la page, la droite et la gauche s’inversent par rapport "
            "à la page : un virage vers la gauche de la page est alors un virage à droite. En allant vers la "
            "gauche, un virage vers le haut de la page est un virage à droite.",
        },
        {
            "les virages pris en descendant, où la droite de la page est votre gauche, ou en allant vers la "
            "gauche ;",
            "compter tous les virages au lieu de ceux qui sont demandés ;",
            "sauter un virage court, ou compter deux fois le même en revenant en arrière des yeux.",
        },
        "Chaque virage porte son numéro et une lettre, D (droite) ou G (gauche) ; ceux qui comptent sont en "
        "noir. Les virages pris en descendant ou vers la gauche, où l’on se trompe le plus, sont entourés "
        "d’un cercle rouge en pointillés.",
    };
}

Method reasoningMethod()
{
    return {
        "Trouver la règle qui relie les termes d’une suite ou d’une analogie, puis l’appliquer pour remplir "
        "les cases.",
        {
            "Lisez tous les termes donnés avant d’écrire quoi que ce soit.",
            "Cherchez la règle dans les familles que l’on rencontre ici : un calcul (une différence ou une "
            "somme qui ne change pas) ; l’ordre de l’alphabet (lettres qui se suivent, qui montent puis "
            "redescendent, ou prises dans un autre ordre) ; le sens des mots (une catégorie, une quantité, "
            "une taille) ; l’écriture (nombre de lettres, nombre lu à l’envers, premières lettres d’un "
            "nombre écrit en toutes lettres, traits d’un nombre romain).",
            "Dites la règle en une phrase et vérifiez-la sur chaque terme donné, pas seulement sur les deux "
            "premiers.",
            "Une case reçoit un seul caractère, un chiffre ou une lettre ; remplissez-les dans l’ordre.",
        },
        {
            "une règle qui marche sur deux termes mais pas sur le troisième ;",
            "chercher un calcul là où la règle porte sur les mots ou sur l’écriture ;",
            "s’attarder sur un énoncé qui résiste au détriment des suivants.",
        },
        "Chaque énoncé est reproduit avec sa réponse dans les cases, et la règle est dite en une phrase, "
        "vérifiée sur les termes donnés.",
    };
}

Method dialMethod()
{
    return {
        "Lire vite et juste un instrument de bord : trouver le bon cadran, sa graduation, et la valeur sous "
        "l’aiguille.",
        {
            "Repérez le cadran demandé par la question, par son nom ou son unité écrits sur le cadran.",
            "Calculez ce que vaut une graduation : l’écart entre deux nombres écrits, divisé par le nombre "
            "d’intervalles entre eux.",
            "Partez du nombre écrit juste avant l’aiguille et ajoutez les graduations jusqu’à elle.",
            "Compte-tours : les nombres écrits sont des milliers de tours par minute (« × 1000 ») ; "
            "6\u00A0se lit 6000 tours/min. Ampèremètre : les valeurs sous le zéro sont négatives.",
        },
        {
            QStringLiteral("un facteur dix, surtout au compte-tours (%1) ;")
                .arg(dialTrapExample(DialTrap::TenTimesLess)),
            QStringLiteral("le signe de l’ampèremètre (%1) ;").arg(dialTrapExample(DialTrap::Sign)),
            "la graduation voisine, quand l’aiguille est près d’un trait ;",
            "lire un autre cadran que celui qui est demandé.",
        },
        "Chaque page reprend un tableau de bord ; le cadran de chaque question y est entouré de rouge et "
        "porte son numéro. La lecture part du nombre écrit le plus proche de l’aiguille et compte les "
        "graduations jusqu’à elle ; à côté de chaque autre valeur "
        "proposée, d’où elle vient (graduation voisine, facteur dix, signe, un autre cadran), ou « sans "
        "rapport » quand rien ne la rend tentante.",
    };
}

Method lengthMethod()
{
    return {
        "Estimer une proportion à l’œil : la longueur du trait le plus court, en dixièmes du plus long.",
        {
            "Repérez le trait le plus long : il vaut 10.",
            "Situez le plus court par rapport à la moitié du plus long (5), puis par rapport au quart (2,5) "
            "et aux trois quarts (7,5).",
            "Affinez au dixième : un peu plus de la moitié donne 6, un peu moins des trois quarts donne 7.",
            "Comparez les longueurs, pas les hauteurs des extrémités : les deux traits ne partent pas "
            "forcément de la même ligne.",
        },
        {
            "comparer les positions des extrémités au lieu des longueurs ;",
            "répondre ce qui manque au plus court (3) au lieu de ce qu’il mesure (7) ;",
            "hésiter entre deux dixièmes voisins : la moitié et les quarts tranchent.",
        },
        "Une règle graduée en dixièmes, à côté de l’image, a la longueur du trait le plus long ; le plus "
        "court y est reporté en hachures.",
    };
}

namespace {

QString seconds(double value)
{
    const double rounded = std::round(value * 10) / 10;
    return QStringLiteral("%1 seconde%2").arg(French::number(rounded)).arg(rounded >= 2 ? "s" : "");
}

} // namespace

void methodPage(BookletWriter &writer, const QString &test, const Method &method, int questions)
{
    using French::typeset;
    constexpr double left = BookletWriter::Margin;
    constexpr double width = BookletWriter::ContentWidth;
    double top = BookletWriter::ContentTop + 4;
    auto heading = [&](const QString &text) {
        top += writer.text({ left, top, width, 10 }, text, writer.font(13, true)) + 2;
    };
    auto paragraph = [&](const QString &text, double indent = 0) {
        top += writer.text({ left + indent, top, width - indent, 40 }, typeset(text), writer.font(10.5))
            + 2.5;
    };

    writer.text({ left, top, width, 12 }, French::typeset(test + QStringLiteral(" : méthode")),
        writer.font(20, true));
    top += 13;
    heading(QStringLiteral("Ce que mesure le test"));
    paragraph(method.measures);
    top += 2;
    heading(QStringLiteral("Comment travailler"));
    for (int k = 0; k < method.steps.size(); ++k)
        paragraph(QStringLiteral("%1. %2").arg(k + 1).arg(method.steps[k]), 3);
    top += 2;
    heading(QStringLiteral("Les pièges"));
    for (const QString &trap : method.traps)
        paragraph(QStringLiteral("• ") + trap, 3);
    top += 2;
    heading(QStringLiteral("Le temps"));
    const double perQuestion = double(DefaultTimeLimit) / questions;
    const bool exact = perQuestion == std::round(perQuestion);
    paragraph(QStringLiteral(
        "Le programme accorde %1 secondes (réglage par défaut) pour %2 questions : %3 %4 par question. Une "
        "question qui résiste coûte les suivantes ; répondez au mieux et passez à "
        "la suivante.")
                  .arg(DefaultTimeLimit)
                  .arg(questions)
                  .arg(exact ? QStringLiteral("soit") : QStringLiteral("environ"))
                  .arg(seconds(perQuestion)));
    top += 2;
    heading(QStringLiteral("Dans les pages qui suivent"));
    paragraph(method.inThisBooklet);
}

} // namespace Booklet
