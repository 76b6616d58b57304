# Printed form of this kind: two A4 pages; their contents come with the kind's printout.
page name="" paper=9 size=2100,2970 orientation=portrait margins=90,79,54,54
page name="Page1" paper=9 size=2100,2970 orientation=portrait margins=90,79,54,54
