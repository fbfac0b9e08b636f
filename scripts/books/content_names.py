"""Names that the public data packages do not carry in the form the books need.

Spanish names of the chemical elements, Spanish names of countries where the
translation in the data package is a long official form or differs from the
usual Spanish exonym, Spanish names of capitals, and a few English capital
spellings. Every text here must be writable in Windows-1252.
"""

# Spanish element names, following the Spanish IUPAC nomenclature, indexed by
# atomic number - 1.
ELEMENTS_ES = [
    "Hidrógeno", "Helio", "Litio", "Berilio", "Boro", "Carbono", "Nitrógeno",
    "Oxígeno", "Flúor", "Neón", "Sodio", "Magnesio", "Aluminio", "Silicio",
    "Fósforo", "Azufre", "Cloro", "Argón", "Potasio", "Calcio", "Escandio",
    "Titanio", "Vanadio", "Cromo", "Manganeso", "Hierro", "Cobalto", "Níquel",
    "Cobre", "Zinc", "Galio", "Germanio", "Arsénico", "Selenio", "Bromo",
    "Kriptón", "Rubidio", "Estroncio", "Itrio", "Circonio", "Niobio",
    "Molibdeno", "Tecnecio", "Rutenio", "Rodio", "Paladio", "Plata", "Cadmio",
    "Indio", "Estaño", "Antimonio", "Telurio", "Yodo", "Xenón", "Cesio",
    "Bario", "Lantano", "Cerio", "Praseodimio", "Neodimio", "Prometio",
    "Samario", "Europio", "Gadolinio", "Terbio", "Disprosio", "Holmio", "Erbio",
    "Tulio", "Iterbio", "Lutecio", "Hafnio", "Tantalio", "Wolframio", "Renio",
    "Osmio", "Iridio", "Platino", "Oro", "Mercurio", "Talio", "Plomo",
    "Bismuto", "Polonio", "Astato", "Radón", "Francio", "Radio", "Actinio",
    "Torio", "Protactinio", "Uranio", "Neptunio", "Plutonio", "Americio",
    "Curio", "Berkelio", "Californio", "Einstenio", "Fermio", "Mendelevio",
    "Nobelio", "Lawrencio", "Rutherfordio", "Dubnio", "Seaborgio", "Bohrio",
    "Hassio", "Meitnerio", "Darmstatio", "Roentgenio", "Copernicio", "Nihonio",
    "Flerovio", "Moscovio", "Livermorio", "Teneso", "Oganesón",
]

# Spanish nouns of the elements take an article in a question ("el hierro").
# All element names are masculine in Spanish.

# English spellings recommended by IUPAC where the data package uses the
# American form.
ELEMENTS_EN_FIX = {13: "Aluminium", 55: "Caesium"}

# Element families: the data package's group-block name -> (English, Spanish).
FAMILIES = {
    "alkali metal": ("Alkali metals", "Metales alcalinos"),
    "alkaline earth metal": ("Alkaline earth metals", "Metales alcalinotérreos"),
    "transition metal": ("Transition metals", "Metales de transición"),
    "lanthanoid": ("Lanthanides", "Lantánidos"),
    "actinoid": ("Actinides", "Actínidos"),
    "metal": ("Post-transition metals", "Metales del bloque p"),
    "post-transition metal": ("Post-transition metals", "Metales del bloque p"),
    "metalloid": ("Metalloids", "Metaloides"),
    "nonmetal": ("Other nonmetals", "No metales"),
    "halogen": ("Halogens", "Halógenos"),
    "noble gas": ("Noble gases", "Gases nobles"),
}

# Spanish country names where the data package gives an official long form,
# a list, or a spelling other than the one recommended in Spanish usage.
COUNTRIES_ES_FIX = {
    "BH": "Baréin",
    "BJ": "Benín",
    "BN": "Brunéi",
    "BW": "Botsuana",
    "CD": "República Democrática del Congo",
    "CG": "República del Congo",
    "CZ": "Chequia",
    "FJ": "Fiyi",
    "GW": "Guinea-Bisáu",
    "IQ": "Irak",
    "IR": "Irán",
    "KN": "San Cristóbal y Nieves",
    "KP": "Corea del Norte",
    "KR": "Corea del Sur",
    "LA": "Laos",
    "PG": "Papúa Nueva Guinea",
    "SR": "Surinam",
    "SY": "Siria",
    "TL": "Timor Oriental",
}

# English country names where the data package's short name is less usual.
COUNTRIES_EN_FIX = {
    "CI": "Côte d'Ivoire",
    "TL": "Timor-Leste",
}

# Continents where the data package places a transcontinental country
# differently from the continent of its capital, which is the rule the books
# follow.
CONTINENT_FIX = {
    "RU": "EU",  # Moscow lies in Europe
    "TL": "AS",  # Dili lies in Southeast Asia
}

# Capitals. English names come from the data package unless listed here; a
# capital with a note gives the full answer, since one name alone would be
# incomplete or misleading.
CAPITALS_EN_FIX = {
    "BJ": "Porto-Novo (seat of government: Cotonou)",
    "BO": "Sucre (seat of government: La Paz)",
    "IL": "Jerusalem (proclaimed capital; its status is disputed internationally)",
    "LK": "Sri Jayawardenepura Kotte (legislative); Colombo (executive and commercial)",
    "MD": "Chisinau",
    "MN": "Ulaanbaatar",
    "MY": "Kuala Lumpur (seat of government: Putrajaya)",
    "NL": "Amsterdam (seat of government: The Hague)",
    "NR": "Yaren (seat of government; Nauru has no official capital)",
    "SZ": "Mbabane (administrative); Lobamba (royal and legislative)",
    "US": "Washington, D.C.",
    "ZA": "Pretoria (executive); Cape Town (legislative); Bloemfontein (judicial)",
}

# Spanish capital names, for every capital whose Spanish name differs from the
# English one or that needs a note.
CAPITALS_ES = {
    "AD": "Andorra la Vieja",
    "AE": "Abu Dabi",
    "AM": "Ereván",
    "AT": "Viena",
    "AZ": "Bakú",
    "BD": "Daca",
    "BE": "Bruselas",
    "BF": "Uagadugú",
    "BG": "Sofía",
    "BJ": "Porto Novo (sede del gobierno: Cotonú)",
    "BO": "Sucre (sede del gobierno: La Paz)",
    "BR": "Brasilia",
    "BT": "Timbu",
    "CH": "Berna",
    "CI": "Yamusukro",
    "CL": "Santiago de Chile",
    "CM": "Yaundé",
    "CN": "Pekín",
    "CU": "La Habana",
    "CZ": "Praga",
    "DE": "Berlín",
    "DJ": "Yibuti",
    "DK": "Copenhague",
    "DZ": "Argel",
    "EE": "Tallin",
    "EG": "El Cairo",
    "ET": "Adís Abeba",
    "FR": "París",
    "GB": "Londres",
    "GD": "Saint George's",
    "GE": "Tiflis",
    "GH": "Acra",
    "GN": "Conakri",
    "GR": "Atenas",
    "GT": "Ciudad de Guatemala",
    "GW": "Bisáu",
    "HT": "Puerto Príncipe",
    "ID": "Yakarta",
    "IE": "Dublín",
    "IL": "Jerusalén (capital proclamada; su estatus está en disputa internacional)",
    "IN": "Nueva Delhi",
    "IQ": "Bagdad",
    "IR": "Teherán",
    "IS": "Reikiavik",
    "IT": "Roma",
    "JO": "Amán",
    "JP": "Tokio",
    "KG": "Biskek",
    "KH": "Nom Pen",
    "KI": "Tarawa Sur",
    "KN": "Basseterre",
    "KP": "Pionyang",
    "KR": "Seúl",
    "KW": "Kuwait",
    "LA": "Vientián",
    "LK": "Sri Jayawardenepura Kotte (legislativa); Colombo (ejecutiva y comercial)",
    "LT": "Vilna",
    "LU": "Luxemburgo",
    "LY": "Trípoli",
    "MC": "Mónaco",
    "MD": "Chisináu",
    "MG": "Antananarivo",
    "MK": "Skopie",
    "MM": "Naipyidó",
    "MN": "Ulán Bator",
    "MR": "Nuakchot",
    "MT": "La Valeta",
    "MV": "Malé",
    "MW": "Lilongüe",
    "MX": "Ciudad de México",
    "MY": "Kuala Lumpur (sede del gobierno: Putrajaya)",
    "NL": "Ámsterdam (sede del gobierno: La Haya)",
    "NP": "Katmandú",
    "NR": "Yaren (sede del gobierno; Nauru no tiene capital oficial)",
    "OM": "Mascate",
    "PA": "Ciudad de Panamá",
    "PL": "Varsovia",
    "PT": "Lisboa",
    "RO": "Bucarest",
    "RS": "Belgrado",
    "RU": "Moscú",
    "SA": "Riad",
    "SE": "Estocolmo",
    "SG": "Singapur",
    "SI": "Liubliana",
    "SM": "San Marino",
    "SO": "Mogadiscio",
    "SS": "Yuba",
    "ST": "Santo Tomé",
    "SD": "Jartum",
    "SY": "Damasco",
    "SZ": "Mbabane (administrativa); Lobamba (real y legislativa)",
    "TD": "Yamena",
    "TJ": "Dusambé",
    "TM": "Asjabad",
    "TN": "Túnez",
    "TO": "Nukualofa",
    "TT": "Puerto España",
    "UA": "Kiev",
    "US": "Washington D. C.",
    "UZ": "Taskent",
    "VN": "Hanói",
    "YE": "Saná",
    "ZA": "Pretoria (ejecutiva); Ciudad del Cabo (legislativa); Bloemfontein (judicial)",
}

# The 193 member states of the United Nations, by ISO 3166-1 alpha-2 code.
UN_MEMBERS = """
AF AL DZ AD AO AG AR AM AU AT AZ BS BH BD BB BY BE BZ BJ BT BO BA BW BR BN BG
BF BI CV KH CM CA CF TD CL CN CO KM CG CD CR CI HR CU CY CZ DK DJ DM DO EC EG
SV GQ ER EE SZ ET FJ FI FR GA GM GE DE GH GR GD GT GN GW GY HT HN HU IS IN ID
IR IQ IE IL IT JM JP JO KZ KE KI KP KR KW KG LA LV LB LS LR LY LI LT LU MG MW
MY MV ML MT MH MR MU MX FM MD MC MN ME MA MZ MM NA NR NP NL NZ NI NE NG MK NO
OM PK PW PA PG PY PE PH PL PT QA RO RU RW KN LC VC WS SM ST SA SN RS SC SL SG
SK SI SB SO ZA SS ES LK SD SR SE CH SY TJ TZ TH TL TG TO TT TN TR TM TV UG UA
AE GB US UY UZ VU VE VN YE ZM ZW
""".split()
