"""This year's Hong Kong general holidays, or those of the year given: python3 holidays.py [YEAR]."""
import datetime, sys
import hkcal
for holiday in hkcal.holidays(int(sys.argv[1]) if len(sys.argv) > 1 else datetime.date.today().year):
    print(f"{holiday.date}  {holiday.name}")
