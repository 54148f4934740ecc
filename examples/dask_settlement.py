"""T+2 settlement dates and lunar dates for a frame of trade dates on a Dask
cluster: each partition is a pandas frame, and hkcal's functions take its
Series whole (one C call per partition) and keep its index.

    python3 examples/dask_settlement.py [ROWS] [WORKERS]

Every worker needs what the single process needs: the hkcal package
(pip install ./python from a clone, which brings both libraries and the
tool) and numpy and pandas. Nothing else travels: the holiday tables are
compiled into the library."""
from __future__ import annotations

import sys
import numpy as np
import pandas as pd

import hkcal

def trades(rows: int, seed: int = 24) -> pd.DataFrame:
    """A frame of trade dates (business days of 1998-2099, a few missing)
    with amounts, as a day's trades would come."""
    rng = np.random.default_rng(seed)
    days = np.datetime64("1998-01-01") + rng.integers(0, 102 * 365, rows).astype("timedelta64[D]")
    days = np.where(rng.random(rows) < 0.001, np.datetime64("NaT"), days)
    trade = pd.Series(hkcal.roll(days), name="trade").astype("datetime64[ns]")
    return pd.DataFrame({"trade": trade, "amount": rng.integers(1, 10**6, rows)})


def settle(frame: pd.DataFrame) -> pd.DataFrame:
    """A pandas frame (one partition, or the whole) with its settlement
    date, two Hong Kong business days after the trade date, and the trade
    date's lunar date."""
    lunar = hkcal.to_lunar(frame["trade"])
    return frame.assign(settlement=hkcal.add_business_days(frame["trade"], 2), lunar_year=lunar["year"],
                        lunar_month=lunar["month"], lunar_day=lunar["day"], lunar_leap=lunar["leap"])


def main(rows: int = 2_000_000, workers: int = 2) -> pd.DataFrame:
    import dask.dataframe as dd
    from dask.distributed import Client, LocalCluster

    with LocalCluster(n_workers=workers, threads_per_worker=1, processes=True, dashboard_address=None) as cluster, \
            Client(cluster):
        frame = dd.from_pandas(trades(rows), npartitions=4 * workers)
        return frame.map_partitions(settle, meta=settle(trades(0))).compute()


if __name__ == "__main__":
    result = main(*map(int, sys.argv[1:3]))
    print(result.head(10).to_string())
    print(f"{len(result)} trades settled")
